#pragma once
// The temporary files the safe writer has open, kept where a signal handler can
// reach them: an interrupted or terminated run (SIGINT, SIGTERM, SIGHUP) removes
// them before it ends, as it would have on a failure.

namespace pav::safefile {

// Registers a temporary file's name; returns its slot, or -1 when every slot is taken
// or the name is too long (the file is then only removed by the writer itself).
int rememberTemporary(const char* name);
// The file was renamed or removed: the slot is free again.
void forgetTemporary(int slot);

} // namespace pav::safefile
