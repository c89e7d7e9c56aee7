// libFuzzer target: whatever a server may send back to the start-up request, fed to the
// answer reader whole and in pieces. Besides the sanitizers, it checks that the pieces do
// not change the reading and that a redirect the client would follow gives a well-formed
// next request.
#include "web/HttpMessages.h"

#include <QByteArray>
#include <QList>
#include <QUrl>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using HttpMessages::AnswerReader;

namespace {

[[noreturn]] void fail(const char *what, const QByteArray &detail = QByteArray())
{
    std::fprintf(stderr, "fuzz_http_response: %s\n", what);
    if (!detail.isEmpty())
        std::fprintf(stderr, "  %s\n", detail.toPercentEncoding(" :/;=?&").constData());
    std::abort();
}

void check(bool ok, const char *what, const QByteArray &detail = QByteArray())
{
    if (!ok)
        fail(what, detail);
}

// Small, so that the fuzzer reaches it.
constexpr qint64 kMaxHeadBytes = 200;

const char *const kRequestUrls[] = {
    "http://ping.example/test/1.php",
    "http://127.0.0.1:8080/a/b.php?x=1",
    "http://[::1]/",
    "http://xn--e1afmkfd.example:81",
};

struct Outcome {
    AnswerReader::State state;
    bool hasHead;
    int status;
    QUrl location;
    QList<QByteArray> cookies;
    qint64 bodyBytes;
    bool completeAtClose;
    bool hasHeadAtClose;

    bool operator==(const Outcome &o) const
    {
        return state == o.state && hasHead == o.hasHead && status == o.status && location == o.location &&
               cookies == o.cookies && bodyBytes == o.bodyBytes && completeAtClose == o.completeAtClose &&
               hasHeadAtClose == o.hasHeadAtClose;
    }
};

// A tiny generator so that the piece sizes follow from the input alone.
struct Pieces {
    std::uint32_t state;
    int next()
    {
        state = state * 1103515245u + 12345u;
        const std::uint32_t r = state >> 16;
        // Mostly short pieces, which split the separators, now and then long ones.
        return (r & 7) ? int(r % 5) + 1 : int(r % 300) + 1;
    }
};

Outcome read(const QUrl &url, const QByteArray &answer, Pieces *pieces)
{
    AnswerReader reader(url, kMaxHeadBytes);
    if (!pieces) {
        reader.feed(answer);
    } else {
        for (qsizetype at = 0; at < answer.size();) {
            const qsizetype n = pieces->next();
            reader.feed(answer.mid(at, n));
            at += n;
        }
    }
    Outcome o{reader.state(),   reader.hasHead(),   reader.status(), reader.location(),
              reader.cookies(), reader.bodyBytes(), false,           false};
    o.completeAtClose = reader.closeCompletesAnswer();
    o.hasHeadAtClose = reader.hasHead();
    return o;
}

// The next request goes out exactly as composed: its lines must be exactly the lines meant.
void checkRequest(const QUrl &target, const QList<QByteArray> &jar)
{
    const QByteArray cookie = HttpMessages::cookieHeaderValue(jar);
    const QByteArray request = HttpMessages::requestBytes(HttpMessages::hostHeaderOf(target),
                                                          HttpMessages::pathAndQueryOf(target), cookie);
    check(request.endsWith("\r\n\r\n"), "request does not end with an empty line", request);
    const QList<QByteArray> lines = request.chopped(4).split('\n');
    for (const QByteArray &line : lines) {
        check(line.endsWith('\r') || &line == &lines.last(), "line feed without carriage return", request);
        const QByteArray text = &line == &lines.last() ? line : line.chopped(1);
        for (const char c : text) {
            const auto u = static_cast<unsigned char>(c);
            check(u == '\t' || (u >= 0x20 && u != 0x7f), "control byte inside a request line", request);
        }
    }
    check(lines.size() == (cookie.isEmpty() ? 5 : 6), "request has other lines than meant", request);

    const QList<QByteArray> requestLine = lines.at(0).chopped(1).split(' ');
    check(requestLine.size() == 3 && requestLine.at(0) == "GET" && requestLine.at(2) == "HTTP/1.0",
          "request line is not GET <target> HTTP/1.0", lines.at(0));
    check(requestLine.at(1).startsWith('/'), "request target is not a path", lines.at(0));
    check(!requestLine.at(1).contains('\t') && !requestLine.at(1).contains('#'),
          "request target has a tab or #", lines.at(0));
    const QByteArray hostLine = lines.at(1).chopped(1);
    check(hostLine.startsWith("Host: ") && hostLine.size() > 6 && !hostLine.mid(6).contains(' ') &&
              !hostLine.mid(6).contains('\t'),
          "Host line is not one word", hostLine);
    for (const char c : hostLine)
        check(static_cast<unsigned char>(c) < 0x80, "Host line is not ASCII", hostLine);

    // Each cookie name once.
    QList<QByteArray> names;
    for (const QByteArray &pair : jar) {
        const QByteArray name = pair.left(pair.indexOf('='));
        check(!names.contains(name), "a cookie is sent twice", cookie);
        names.append(name);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 3)
        return 0;
    const QUrl url(QString::fromLatin1(kRequestUrls[data[0] % std::size(kRequestUrls)]));
    Pieces pieces{std::uint32_t(data[1]) << 8 | data[2]};
    const QByteArray answer(reinterpret_cast<const char *>(data) + 3, qsizetype(size) - 3);

    const Outcome whole = read(url, answer, nullptr);
    const Outcome inPieces = read(url, answer, &pieces);
    check(whole == inPieces, "the answer reads differently when it arrives in pieces", answer);

    check(whole.bodyBytes >= 0 && whole.bodyBytes <= answer.size(), "body count out of range", answer);
    if (whole.state != AnswerReader::State::Body) {
        check(whole.status == 0 && whole.cookies.isEmpty() && !whole.location.isValid(),
              "headers acted upon before the head ended", answer);
    }
    if (!whole.hasHead)
        check(whole.status == 0, "a status without a status line", answer);

    QList<QByteArray> jar;
    for (const QByteArray &pair : whole.cookies)
        HttpMessages::keepCookie(jar, pair);
    // The client follows any such Location of a 300, 301 or 302 answer; check them all.
    if (whole.location.isValid() && HttpMessages::isFollowable(whole.location))
        checkRequest(whole.location, jar);
    checkRequest(url, jar);
    return 0;
}
