#include "chart/oxs/OxsPrescan.h"

#include <cstring>

namespace pav::chart::oxs {
namespace {

class Scan {
public:
    explicit Scan(const QByteArray& data) : m_at(data.constData()), m_end(data.constData() + data.size()) {}

    PrescanResult run() {
        while (m_at < m_end && m_error == OxsError::None) {
            if (*m_at != '<') {
                text();
            } else if (startsWith("<!--")) {
                skipPast("-->");
            } else if (startsWith("<![CDATA[")) {
                const char* start = m_at;
                skipPast("]]>");
                bound(m_at - start, kMaxTextBytes, OxsError::TextTooLong);
            } else if (startsWith("<?") || startsWith("<!") || startsWith("</")) {
                skipPast(">");
            } else {
                startTag();
            }
        }
        return {m_error, m_line};
    }

private:
    bool startsWith(const char* word) const {
        const std::size_t n = std::strlen(word);
        return static_cast<std::size_t>(m_end - m_at) >= n && std::memcmp(m_at, word, n) == 0;
    }
    void step() {
        if (*m_at == '\n') ++m_line;
        ++m_at;
    }
    void skipPast(const char* word) {
        while (m_at < m_end && !startsWith(word)) step();
        for (std::size_t i = 0; i < std::strlen(word) && m_at < m_end; ++i) step();
    }
    void bound(qint64 size, qint64 limit, OxsError error) {
        if (size > limit && m_error == OxsError::None) m_error = error;
    }

    // Character data up to the next markup.
    void text() {
        const char* start = m_at;
        while (m_at < m_end && *m_at != '<') step();
        bound(m_at - start, kMaxTextBytes, OxsError::TextTooLong);
    }

    // "<name a="..." b='...'>": attributes counted, each quoted value measured.
    void startTag() {
        step();
        bound(++m_elements, kMaxAllElements, OxsError::TooManyElements);
        int attributes = 0;
        while (m_at < m_end && m_error == OxsError::None) {
            const char c = *m_at;
            if (c == '>') {
                step();
                return;
            }
            if (c == '<') return; // not a tag after all: the reader will say so
            if (c == '=') bound(++attributes, kMaxAttributes, OxsError::TooManyAttributes);
            if (c == '"' || c == '\'') {
                step();
                const char* start = m_at;
                while (m_at < m_end && *m_at != c) step();
                bound(m_at - start, kMaxTextBytes, OxsError::TextTooLong);
                if (m_at == m_end) return;
            }
            step();
        }
    }

    const char* m_at;
    const char* m_end;
    qint64 m_line = 1;
    qint64 m_elements = 0;
    OxsError m_error = OxsError::None;
};

} // namespace

PrescanResult prescanOxs(const QByteArray& data) {
    return Scan(data).run();
}

} // namespace pav::chart::oxs
