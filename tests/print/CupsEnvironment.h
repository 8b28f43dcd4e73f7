#pragma once
// One private CUPS daemon for a whole test program (PrivateCups), started
// before its first test and stopped after its last; tests skip, with the
// reason, where it cannot run.

#include "PrintFixture.h"
#include "PrivateCups.h"

namespace pav::print::test {

class CupsEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        ensureApp();
        m_running = m_cups.start(&m_why);
    }
    void TearDown() override { m_cups.stop(); }

    PrivateCups m_cups;
    bool m_running = false;
    QString m_why;
};

inline CupsEnvironment* const cupsEnvironment =
    static_cast<CupsEnvironment*>(::testing::AddGlobalTestEnvironment(new CupsEnvironment));

} // namespace pav::print::test
