// Bad input: every case here must load without crashing, within bounded
// memory by construction (limits in the parser), and show what it could.
#include "Fixtures.h"
#include "Player.h"
#include <QDir>
#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <zlib.h>

using namespace fixtures;

namespace {
void playABit(const std::shared_ptr<swf::Movie>& m)
{
    if (!m->ok()) return;
    swf::Player p(m);
    for (int i = 0; i < 3; ++i) p.tick();
    p.seek(p.frameCount() / 2);
    QImage img = p.renderer().renderImage(p.root(), false);
    EXPECT_FALSE(img.isNull());
}
QByteArray le32(uint32_t v) { QByteArray b; for (int i = 0; i < 4; ++i) b.append(char(v >> (8 * i))); return b; }
}

TEST(SwfHostile, truncatedAtEveryLength)
{
    QByteArray full = movingSquare(4, Writer::Compression::None);
    for (qsizetype n = 0; n < full.size(); ++n) {
        auto m = load(full.left(n));
        if (n >= 8 + 9 + 4) EXPECT_TRUE(m->ok()) << n; // header complete: what is there is shown
        playABit(m);
    }
    QByteArray z = movingSquare(4, Writer::Compression::Zlib);
    for (qsizetype n = 0; n < z.size(); n += 3) playABit(load(z.left(n)));
    QByteArray l = movingSquare(4, Writer::Compression::Lzma);
    for (qsizetype n = 0; n < l.size(); n += 3) playABit(load(l.left(n)));
}

TEST(SwfHostile, hugeDeclaredLengthAllocatesOnlyWhatIsThere)
{
    QByteArray b = movingSquare(3, Writer::Compression::None);
    b.replace(4, 4, le32(0xFFFFFFFFu));
    auto m = load(b);
    ASSERT_TRUE(m->ok());
    EXPECT_TRUE(m->truncated());
    EXPECT_EQ(m->frameCount(), 3);
    QByteArray c = movingSquare(3, Writer::Compression::Zlib);
    c.replace(4, 4, le32(0xFFFFFFFFu));
    auto mc = load(c);
    ASSERT_TRUE(mc->ok());
    EXPECT_EQ(mc->frameCount(), 3);
}

TEST(SwfHostile, zipBombStopsAtTheBodyLimit)
{
    // 64 MiB of zeros behind a CWS header declaring 4 GiB.
    QByteArray zeros(64 << 20, 0);
    uLongf n = compressBound(uLong(zeros.size()));
    QByteArray z(qsizetype(n), 0);
    compress2(reinterpret_cast<Bytef*>(z.data()), &n, reinterpret_cast<const Bytef*>(zeros.constData()), uLong(zeros.size()), 1);
    z.resize(qsizetype(n));
    QByteArray file = QByteArray("CWS\x0A", 4) + le32(0xFFFFFFF0u) + z;
    swf::Limits lim;
    lim.maxBodyBytes = 1 << 20;
    swf::Header h;
    QByteArray body;
    bool truncated = false;
    QString err;
    ASSERT_TRUE(swf::swfBody(file, h, body, truncated, lim, err));
    EXPECT_LE(size_t(body.size()), lim.maxBodyBytes);
    auto m = swf::Movie::load(file, lim);
    EXPECT_TRUE(m->ok());
}

TEST(SwfHostile, spritesNestedAThousandDeep)
{
    // Definitions inside definitions, a thousand levels.
    QByteArray inner;
    for (int i = 0; i < 1000; ++i) {
        QByteArray body;
        body += char(uint8_t(1000 - i)); body += char(uint8_t((1000 - i) >> 8));
        body += char(1); body += char(0);
        body += inner;
        body += QByteArray(2, 0);
        QByteArray tag;
        uint16_t h = uint16_t(39 << 6 | 63);
        tag += char(h & 0xFF); tag += char(h >> 8);
        tag += le32(uint32_t(body.size()));
        inner = tag + body;
    }
    Writer w(10, 10, 12);
    w.tag(0, {}); // replaced below
    QByteArray f = w.finish(Writer::Compression::None);
    // Rebuild by hand: header + nested sprite + place + showframe + end.
    Writer w2(10, 10, 12);
    w2.showFrame();
    QByteArray head = w2.finish(Writer::Compression::None);
    QByteArray movie = head.left(head.size() - 2 - 2) + inner + head.right(4);
    uint32_t len = uint32_t(movie.size());
    movie.replace(4, 4, le32(len));
    auto m = load(movie);
    ASSERT_TRUE(m->ok());
    playABit(m);

    // Instances inside instances: sprite k places sprite k-1, and one places itself.
    Writer w3(10, 10, 12);
    uint16_t prev = rectShape(w3, 0, 0, 5, 5, 0xFF00FF00);
    for (int i = 0; i < 1000; ++i) {
        swfw::TimelineBuilder t;
        t.place(1, prev);
        t.showFrame();
        prev = w3.defineSprite(t);
    }
    swfw::TimelineBuilder self;
    self.place(1, uint16_t(prev + 1));
    self.showFrame();
    uint16_t selfId = w3.defineSprite(self);
    w3.place(1, prev);
    w3.place(2, selfId);
    w3.showFrame();
    auto m3 = load(w3.finish());
    ASSERT_TRUE(m3->ok());
    swf::Player p(m3);
    for (int i = 0; i < 3; ++i) p.tick();
    EXPECT_LT(p.root().list.size(), 3u);
    p.renderer().renderImage(p.root(), false);
}

TEST(SwfHostile, millionsOfEdgesAreCutAtTheLimit)
{
    swfw::ShapeBuilder s;
    int f = s.addFill(swfw::Fill::solid(0xFF000000));
    s.style(0, f, 0);
    s.moveTo(0, 0);
    for (int i = 0; i < 3'000'000; ++i) s.lineTo((i & 1) ? 2000 : 0, i % 2000);
    Writer w(100, 100, 12);
    w.place(1, w.defineShape(s));
    w.showFrame();
    swf::Limits lim;
    lim.maxEdgesPerShape = 200'000;
    auto m = swf::Movie::load(w.finish(), lim);
    ASSERT_TRUE(m->ok());
    const swf::Shape* sh = m->shape(1);
    ASSERT_NE(sh, nullptr);
    EXPECT_LE(size_t(sh->layers[0].fillPaths[0].elementCount()), 2 * lim.maxEdgesPerShape + 2); // edges plus contour starts
    EXPECT_LE(swf::Limits().maxEdgesPerShape, 4'000'000u);
}

TEST(SwfHostile, hugeBitmapIsRefused)
{
    QByteArray body;
    body += char(1); body += char(0);      // id
    body += char(5);                        // 32-bit
    body += char(0xFF); body += char(0xFF); // 65535 x 65535
    body += char(0xFF); body += char(0xFF);
    body += QByteArray(16, 'z');
    Writer w(10, 10, 12);
    w.tag(36, body);
    w.showFrame();
    auto m = load(w.finish());
    ASSERT_TRUE(m->ok());
    ASSERT_NE(m->bitmap(1), nullptr);
    EXPECT_TRUE(m->bitmap(1)->isNull());
}

TEST(SwfHostile, tagLongerThanTheFile)
{
    Writer w(10, 10, 12);
    w.showFrame();
    QByteArray b = w.finish(Writer::Compression::None);
    b.chop(2);
    uint16_t h = uint16_t(2 << 6 | 63);
    b += char(h & 0xFF); b += char(h >> 8);
    b += le32(0x7FFFFFFF);
    b += QByteArray(10, '\x55');
    auto m = load(b);
    ASSERT_TRUE(m->ok());
    EXPECT_TRUE(m->truncated());
    playABit(m);
}

TEST(SwfHostile, randomCorruptionNeverCrashes)
{
    QRandomGenerator rng(1234);
    QByteArray base = movingSquare(6, Writer::Compression::None);
    for (int round = 0; round < 2000; ++round) {
        QByteArray b = base;
        int flips = 1 + int(rng.bounded(8));
        for (int k = 0; k < flips; ++k) b[qsizetype(8 + rng.bounded(uint32_t(b.size() - 8)))] = char(rng.bounded(256));
        auto m = load(b);
        if (round % 50 == 0) playABit(m);
        else if (m->ok()) { swf::Player p(m); p.tick(); }
    }
}

// Files the fuzzer found, named after what broke; each must load and play.
TEST(SwfHostile, fuzzerFindings)
{
    QDir dir(QStringLiteral(PEDAVIN_SOURCE_DIR "/tests/media/swf/regressions"));
    const QStringList files = dir.entryList({"*.swf"}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& f : files) {
        SCOPED_TRACE(f.toStdString());
        auto m = swf::Movie::loadFile(dir.filePath(f));
        playABit(m);
    }
}
