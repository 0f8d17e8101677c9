#include "Movie.h"
#include "Bitmap.h"
#include <QFile>
#include <lzma.h>
#include <zlib.h>

namespace swf {

namespace tag {
enum : uint16_t {
    End = 0, ShowFrame = 1, DefineShape = 2, PlaceObject = 4, RemoveObject = 5, DefineBits = 6,
    DefineButton = 7, JPEGTables = 8, SetBackgroundColor = 9, DefineFont = 10, DefineText = 11,
    DoAction = 12, DefineFontInfo = 13, DefineSound = 14, StartSound = 15, DefineButtonSound = 17,
    SoundStreamHead = 18, SoundStreamBlock = 19, DefineBitsLossless = 20, DefineBitsJPEG2 = 21,
    DefineShape2 = 22, Protect = 24, PlaceObject2 = 26, RemoveObject2 = 28, DefineShape3 = 32,
    DefineText2 = 33, DefineButton2 = 34, DefineBitsJPEG3 = 35, DefineBitsLossless2 = 36,
    DefineEditText = 37, DefineSprite = 39, FrameLabel = 43, SoundStreamHead2 = 45,
    DefineMorphShape = 46, DefineFont2 = 48, ExportAssets = 56, DoInitAction = 59,
    DefineVideoStream = 60, VideoFrame = 61, DefineFontInfo2 = 62, FileAttributes = 69,
    PlaceObject3 = 70, DefineFontAlignZones = 73, CSMTextSettings = 74, DefineFont3 = 75,
    SymbolClass = 76, Metadata = 77, DefineScalingGrid = 78, DoABC = 82, DefineShape4 = 83,
    DefineMorphShape2 = 84, DefineSceneAndFrameLabelData = 86, DefineBinaryData = 87,
    DefineFontName = 88, StartSound2 = 89, DefineBitsJPEG4 = 90, DefineFont4 = 91, EnableTelemetry = 93,
};
}

int Font::glyphFor(char16_t c) const
{
    for (size_t i = 0; i < codes.size(); ++i)
        if (codes[i] == c) return int(i);
    return -1;
}

int Timeline::frameForLabel(const QString& l) const
{
    for (const auto& [name, f] : labels)
        if (name.compare(l, Qt::CaseInsensitive) == 0) return f;
    return -1;
}

bool swfBody(const QByteArray& file, Header& h, QByteArray& body, bool& truncated, const Limits& lim, QString& error)
{
    truncated = false;
    if (file.size() < 8) { error = QStringLiteral("fichier trop court"); return false; }
    const uint8_t* d = reinterpret_cast<const uint8_t*>(file.constData());
    char c0 = char(d[0]);
    if (!((c0 == 'F' || c0 == 'C' || c0 == 'Z') && d[1] == 'W' && d[2] == 'S')) {
        error = QStringLiteral("signature SWF absente");
        return false;
    }
    h.signature[0] = c0; h.signature[1] = 'W'; h.signature[2] = 'S';
    h.version = d[3];
    h.fileLength = uint32_t(d[4]) | uint32_t(d[5]) << 8 | uint32_t(d[6]) << 16 | uint32_t(d[7]) << 24;
    // The declared length is only a hint: never allocate more than the limit.
    size_t want = h.fileLength > 8 ? size_t(h.fileLength) - 8 : 0;
    size_t cap = std::min(want, lim.maxBodyBytes);
    if (c0 == 'F') {
        size_t have = size_t(file.size()) - 8;
        size_t take = std::min(have, lim.maxBodyBytes);
        body = file.mid(8, qsizetype(take));
        truncated = have < want;
        return true;
    }
    if (c0 == 'C') {
        bool t = false;
        // A zero or absurd declared length still decodes up to the limit.
        body = zlibInflate(d + 8, size_t(file.size()) - 8, cap > 0 ? cap : lim.maxBodyBytes, &t);
        truncated = size_t(body.size()) < want;
        return true;
    }
    // ZWS: UI32 compressed length, 5 bytes of LZMA properties, then raw LZMA data.
    if (file.size() < 17) { error = QStringLiteral("en-tête LZMA tronqué"); truncated = true; return true; }
    uint8_t hdr[13];
    memcpy(hdr, d + 12, 5);
    uint64_t usize = cap;
    for (int i = 0; i < 8; ++i) hdr[5 + i] = uint8_t(usize >> (8 * i));
    lzma_stream zs = LZMA_STREAM_INIT;
    if (lzma_alone_decoder(&zs, 1u << 30) != LZMA_OK) { error = QStringLiteral("LZMA indisponible"); return true; }
    body.resize(qsizetype(cap));
    zs.next_in = hdr; zs.avail_in = sizeof hdr;
    zs.next_out = reinterpret_cast<uint8_t*>(body.data()); zs.avail_out = cap;
    lzma_ret rc = lzma_code(&zs, LZMA_RUN);
    if (rc == LZMA_OK) {
        zs.next_in = d + 17; zs.avail_in = size_t(file.size()) - 17;
        while (zs.avail_out > 0) {
            rc = lzma_code(&zs, LZMA_RUN);
            if (rc != LZMA_OK) break;
            if (zs.avail_in == 0) { rc = lzma_code(&zs, LZMA_FINISH); break; }
        }
    }
    body.resize(qsizetype(cap - zs.avail_out));
    lzma_end(&zs);
    truncated = size_t(body.size()) < want;
    return true;
}

struct Movie::ParseState
{
    EdgeBudget edges;
    size_t tags = 0;
    bool utf8 = true;
};

std::shared_ptr<Movie> Movie::loadFile(const QString& path, const Limits& lim)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        auto m = std::make_shared<Movie>();
        m->error_ = QStringLiteral("impossible d'ouvrir ") + path;
        return m;
    }
    // Compressed data beyond what the body limit could need is never read.
    qint64 n = std::min<qint64>(f.size(), qint64(lim.maxBodyBytes) + 64);
    return load(f.read(n), lim);
}

std::shared_ptr<Movie> Movie::load(const QByteArray& file, const Limits& lim)
{
    auto m = std::make_shared<Movie>();
    m->limits_ = lim;
    QByteArray body;
    bool truncated = false;
    if (!swfBody(file, m->header_, body, truncated, lim, m->error_)) return m;
    m->truncated_ = truncated;
    BitReader r(body);
    m->header_.stage = readRect(r);
    m->header_.frameRate = r.u16() / 256.0;
    m->header_.frameCount = r.u16();
    if (r.overrun()) { m->error_ = QStringLiteral("en-tête tronqué"); return m; }
    if (!(m->header_.frameRate > 0.01) || m->header_.frameRate > 120) m->header_.frameRate = m->header_.frameRate > 120 ? 120 : 12;
    ParseState ps{EdgeBudget(lim.maxTotalEdges), 0, m->header_.version >= 6};
    m->parseTags(r, m->main_, 0, ps);
    if (m->main_.frames.empty()) m->main_.frames.emplace_back();
    m->ok_ = true;
    return m;
}

int Movie::stageWidth() const { return std::max(1, int(std::lround(header_.stage.width() / 20.0))); }
int Movie::stageHeight() const { return std::max(1, int(std::lround(header_.stage.height() / 20.0))); }

bool Movie::define(uint16_t id, CharType t)
{
    // The first definition of an id wins, as in Flash.
    return types_.emplace(id, t).second;
}

const CharType* Movie::typeOf(uint16_t id) const { auto it = types_.find(id); return it == types_.end() ? nullptr : &it->second; }
template <class M> static auto* findIn(const M& m, uint16_t id) { auto it = m.find(id); return it == m.end() ? nullptr : &it->second; }
const Shape* Movie::shape(uint16_t id) const { return findIn(shapes_, id); }
const MorphShape* Movie::morph(uint16_t id) const { return findIn(morphs_, id); }
const QImage* Movie::bitmap(uint16_t id) const { return findIn(bitmaps_, id); }
const Font* Movie::font(uint16_t id) const { return findIn(fonts_, id); }
const StaticText* Movie::text(uint16_t id) const { return findIn(texts_, id); }
const EditText* Movie::editText(uint16_t id) const { return findIn(editTexts_, id); }
const Sprite* Movie::sprite(uint16_t id) const { return findIn(sprites_, id); }
const Button* Movie::button(uint16_t id) const { return findIn(buttons_, id); }
const SoundDef* Movie::sound(uint16_t id) const { return findIn(sounds_, id); }
const VideoStreamDef* Movie::video(uint16_t id) const { return findIn(videos_, id); }

void Movie::parseTags(BitReader& r, Timeline& tl, int nesting, ParseState& ps)
{
    FrameDef frame;
    while (!r.atEnd()) {
        uint16_t h = r.u16();
        uint16_t code = h >> 6;
        uint32_t len = h & 63;
        if (len == 63) len = r.u32();
        if (r.overrun()) { truncated_ = true; break; }
        if (len > r.remaining()) { truncated_ = true; len = uint32_t(r.remaining()); }
        BitReader t = r.sub(len);
        if (++ps.tags > limits_.maxTagsPerTimeline * 4) { truncated_ = true; break; }
        if (code == tag::End) break;
        if (code == tag::ShowFrame) {
            if (int(tl.frames.size()) >= limits_.maxFrames) { truncated_ = true; break; }
            tl.frames.push_back(std::move(frame));
            frame = FrameDef();
            continue;
        }
        parseTag(code, t, tl, frame, nesting, ps);
    }
    // Commands after the last ShowFrame still make a frame, as players show them.
    if (!frame.cmds.empty() || !frame.actions.empty()) tl.frames.push_back(std::move(frame));
}

static std::vector<Filter> readFilters(BitReader& t)
{
    std::vector<Filter> out;
    unsigned n = t.u8();
    for (unsigned i = 0; i < n && !t.overrun(); ++i) {
        uint8_t id = t.u8();
        Filter f;
        switch (id) {
        case 0: case 2: {
            f.kind = id == 0 ? Filter::DropShadow : Filter::Glow;
            f.color = readRgba(t);
            f.blurX = t.fixed16(); f.blurY = t.fixed16();
            if (id == 0) { f.angle = t.fixed16(); f.distance = t.fixed16(); }
            f.strength = t.fixed8();
            f.inner = t.flag(); f.knockout = t.flag(); f.compositeSource = t.flag();
            f.passes = int(t.ub(5));
            t.align();
            if (out.size() < 8) out.push_back(f);
            break;
        }
        case 1:
            f.kind = Filter::Blur;
            f.blurX = t.fixed16(); f.blurY = t.fixed16();
            f.passes = int(t.ub(5));
            t.align();
            if (out.size() < 8) out.push_back(f);
            break;
        case 3: t.skip(27); break;
        case 4: case 7: { unsigned c = t.u8(); t.skip(size_t(c) * 5 + 19); break; }
        case 5: { unsigned x = t.u8(), y = t.u8(); t.skip(8 + size_t(x) * y * 4 + 5); break; }
        case 6: t.skip(80); break;
        default: t.skip(t.remaining()); break;
        }
    }
    return out;
}

static void skipFilters(BitReader& t) { readFilters(t); }

static std::vector<Action> parseActions(BitReader& t)
{
    std::vector<Action> out;
    while (!t.atEnd()) {
        uint8_t op = t.u8();
        if (op == 0) break;
        uint16_t len = op >= 0x80 ? t.u16() : 0;
        BitReader a = t.sub(len);
        switch (op) {
        case 0x04: out.push_back({Action::NextFrame}); break;
        case 0x05: out.push_back({Action::PrevFrame}); break;
        case 0x06: out.push_back({Action::Play}); break;
        case 0x07: out.push_back({Action::Stop}); break;
        case 0x81: { Action x{Action::GotoFrame}; x.frame = a.u16(); out.push_back(x); break; }
        case 0x8C: { Action x{Action::GotoLabel}; x.label = a.string(); out.push_back(x); break; }
        default: break; // getURL and every other action: skipped
        }
        if (t.overrun()) break;
    }
    return out;
}

static SoundFormat readSoundFormat(BitReader& t)
{
    SoundFormat f;
    f.format = uint8_t(t.ub(4));
    static const uint32_t rates[4] = {5512, 11025, 22050, 44100};
    f.rate = rates[t.ub(2)];
    f.is16 = t.flag();
    f.stereo = t.flag();
    t.align();
    return f;
}

static SoundStart readSoundInfo(BitReader& t, uint16_t id)
{
    SoundStart s;
    s.soundId = id;
    t.ub(2);
    s.stop = t.flag();
    s.noMultiple = t.flag();
    bool env = t.flag(), loops = t.flag();
    s.hasOut = t.flag();
    s.hasIn = t.flag();
    t.align();
    if (s.hasIn) s.inPoint = t.u32();
    if (s.hasOut) s.outPoint = t.u32();
    if (loops) s.loops = t.u16();
    if (env) { unsigned n = t.u8(); t.skip(size_t(n) * 8); }
    return s;
}

static QString stripHtml(const QString& in)
{
    QString out;
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        QChar c = in[i];
        if (c == '<') {
            qsizetype e = in.indexOf('>', i);
            if (e < 0) break;
            QString tagName = in.mid(i + 1, e - i - 1).trimmed().toLower();
            if (tagName.startsWith(QLatin1String("br")) || tagName == QLatin1String("/p")) out += '\n';
            i = e;
        } else if (c == '&') {
            qsizetype e = in.indexOf(';', i);
            QString ent = e > i ? in.mid(i + 1, e - i - 1) : QString();
            if (ent == "amp") out += '&'; else if (ent == "lt") out += '<'; else if (ent == "gt") out += '>';
            else if (ent == "quot") out += '"'; else if (ent == "apos") out += '\''; else if (ent == "nbsp") out += QChar(0xA0);
            else { out += c; continue; }
            i = e;
        } else {
            out += c;
        }
    }
    while (out.endsWith('\n')) out.chop(1);
    return out;
}

void Movie::parseTag(uint16_t code, BitReader& t, Timeline& tl, FrameDef& frame, int nesting, ParseState& ps)
{
    using namespace tag;
    switch (code) {
    case SetBackgroundColor: background_ = readRgb(t); break;
    case FileAttributes: case Metadata: case Protect: case DefineSceneAndFrameLabelData: case DefineFontName:
    case DefineFontAlignZones: case CSMTextSettings: case ExportAssets: case SymbolClass: case DoABC:
    case DefineScalingGrid: case DefineBinaryData: case EnableTelemetry: case DoInitAction: case DefineFontInfo:
    case DefineFontInfo2: case DefineButtonSound: case StartSound2:
        break;
    case DefineShape: case DefineShape2: case DefineShape3: case DefineShape4: {
        uint16_t id = t.u16();
        int v = code == DefineShape ? 1 : code == DefineShape2 ? 2 : code == DefineShape3 ? 3 : 4;
        if (!define(id, CharType::Shape)) break;
        shapes_[id] = readDefineShape(t, v, limits_, ps.edges);
        break;
    }
    case DefineMorphShape: case DefineMorphShape2: {
        uint16_t id = t.u16();
        if (!define(id, CharType::Morph)) break;
        morphs_[id] = readDefineMorphShape(t, code == DefineMorphShape ? 1 : 2, limits_, ps.edges);
        break;
    }
    case JPEGTables: jpegTables_ = t.bytes(t.remaining()); break;
    case DefineBits: case DefineBitsJPEG2: case DefineBitsJPEG3: case DefineBitsJPEG4:
    case DefineBitsLossless: case DefineBitsLossless2: {
        uint16_t id = t.u16();
        if (!define(id, CharType::Bitmap)) break;
        QImage img;
        if (bitmapBytes_ < limits_.maxTotalBitmapBytes) {
            if (code == DefineBits) img = decodeJpegWithTables(jpegTables_, t.bytes(t.remaining()), limits_);
            else if (code == DefineBitsJPEG2) img = decodeImageData(t.bytes(t.remaining()), limits_);
            else if (code == DefineBitsJPEG3 || code == DefineBitsJPEG4) {
                uint32_t off = t.u32();
                if (code == DefineBitsJPEG4) t.u16();
                QByteArray data = t.bytes(off);
                img = decodeJpeg3(data, t.bytes(t.remaining()), limits_);
            } else {
                img = decodeLossless(t, code == DefineBitsLossless2, limits_);
            }
            if (size_t(img.sizeInBytes()) + bitmapBytes_ > limits_.maxTotalBitmapBytes) img = QImage();
        }
        bitmapBytes_ += size_t(img.sizeInBytes());
        bitmaps_[id] = img;
        break;
    }
    case DefineFont: {
        uint16_t id = t.u16();
        if (!define(id, CharType::Font)) break;
        Font f;
        size_t base = t.pos();
        uint16_t first = t.u16();
        size_t n = first / 2;
        std::vector<uint32_t> offs{first};
        for (size_t i = 1; i < n && !t.overrun(); ++i) offs.push_back(t.u16());
        for (size_t i = 0; i < offs.size(); ++i) {
            BitReader g = t;
            g.seek(base + offs[i]);
            RawShape raw;
            raw.styleSets.push_back(StyleSet{{FillStyle{}}, {}});
            readShapeRecords(g, 1, raw, limits_, ps.edges);
            f.glyphs.push_back(buildShape(raw, false));
        }
        for (auto& g : f.glyphs) f.glyphPaths.push_back(g.layers.empty() || g.layers[0].fillPaths.empty() ? QPainterPath() : g.layers[0].fillPaths[0]);
        fonts_[id] = std::move(f);
        break;
    }
    case DefineFont2: case DefineFont3: {
        uint16_t id = t.u16();
        if (!define(id, CharType::Font)) break;
        Font f;
        f.emSquare20 = code == DefineFont3;
        uint8_t flags = t.u8();
        f.hasLayout = flags & 0x80;
        bool wideOffsets = flags & 0x08, wideCodes = flags & 0x04;
        f.italic = flags & 0x02; f.bold = flags & 0x01;
        t.u8();
        uint8_t nl = t.u8();
        f.name = QString::fromUtf8(t.bytes(nl)).remove(QChar(0));
        uint16_t n = t.u16();
        size_t base = t.pos();
        std::vector<uint32_t> offs;
        for (uint16_t i = 0; i < n && !t.overrun(); ++i) offs.push_back(wideOffsets ? t.u32() : t.u16());
        uint32_t codeOff = wideOffsets ? t.u32() : t.u16();
        for (size_t i = 0; i < offs.size(); ++i) {
            BitReader g = t;
            g.seek(base + offs[i]);
            RawShape raw;
            raw.styleSets.push_back(StyleSet{{FillStyle{}}, {}});
            readShapeRecords(g, 1, raw, limits_, ps.edges);
            f.glyphs.push_back(buildShape(raw, false));
        }
        for (auto& g : f.glyphs) f.glyphPaths.push_back(g.layers.empty() || g.layers[0].fillPaths.empty() ? QPainterPath() : g.layers[0].fillPaths[0]);
        t.seek(base + codeOff);
        for (uint16_t i = 0; i < n && !t.overrun(); ++i) f.codes.push_back(wideCodes ? t.u16() : t.u8());
        if (f.hasLayout) {
            f.ascent = t.s16(); f.descent = t.s16(); f.leading = t.s16();
            for (uint16_t i = 0; i < n && !t.overrun(); ++i) f.advances.push_back(t.s16());
        }
        fonts_[id] = std::move(f);
        break;
    }
    case DefineText: case DefineText2: {
        uint16_t id = t.u16();
        if (!define(id, CharType::Text)) break;
        StaticText st;
        st.bounds = readRect(t);
        st.matrix = readMatrix(t);
        unsigned gb = t.u8(), ab = t.u8();
        TextRun cur;
        while (!t.overrun() && !t.atEnd()) {
            uint8_t flags = t.u8();
            if (flags == 0) break;
            if (flags & 0x08) cur.fontId = t.u16();
            if (flags & 0x04) cur.color = code == DefineText2 ? readRgba(t) : readRgb(t);
            if (flags & 0x01) cur.x = t.s16();
            if (flags & 0x02) cur.y = t.s16();
            if (flags & 0x08) cur.height = t.u16();
            unsigned count = t.u8();
            TextRun run = cur;
            run.glyphs.clear();
            double x = cur.x;
            for (unsigned i = 0; i < count && !t.overrun(); ++i) {
                TextGlyph g;
                g.index = t.ub(gb);
                g.advance = t.sb(ab);
                run.glyphs.push_back(g);
                x += g.advance;
            }
            t.align();
            st.runs.push_back(run);
            cur.x = x; // the next record continues where this one ended
        }
        texts_[id] = std::move(st);
        break;
    }
    case DefineEditText: {
        uint16_t id = t.u16();
        if (!define(id, CharType::EditText)) break;
        EditText e;
        e.bounds = readRect(t);
        uint8_t f1 = t.u8(), f2 = t.u8();
        bool hasText = f1 & 0x80, hasColor = f1 & 0x04, hasMax = f1 & 0x02, hasFont = f1 & 0x01;
        e.wordWrap = f1 & 0x40; e.multiline = f1 & 0x20;
        bool hasFontClass = f2 & 0x80, hasLayout = f2 & 0x20;
        e.border = f2 & 0x08; e.html = f2 & 0x02; e.useOutlines = f2 & 0x01;
        if (hasFont) { e.fontId = t.u16(); e.hasFont = true; }
        if (hasFontClass) t.string();
        if (hasFont || hasFontClass) e.height = t.u16();
        if (hasColor) e.color = readRgba(t);
        if (hasMax) t.u16();
        if (hasLayout) { e.align = t.u8(); e.leftMargin = t.u16(); e.rightMargin = t.u16(); e.indent = t.u16(); e.leading = t.s16(); }
        t.string(ps.utf8);
        if (hasText) e.text = t.string(ps.utf8);
        if (e.html) e.text = stripHtml(e.text);
        editTexts_[id] = std::move(e);
        break;
    }
    case DefineSprite: {
        uint16_t id = t.u16();
        t.u16(); // frame count: the ShowFrame tags are what count
        if (nesting + 1 > limits_.maxSpriteNesting || !define(id, CharType::Sprite)) break;
        Sprite s;
        parseTags(t, s.timeline, nesting + 1, ps);
        if (s.timeline.frames.empty()) s.timeline.frames.emplace_back();
        sprites_[id] = std::move(s);
        break;
    }
    case DefineButton: case DefineButton2: {
        uint16_t id = t.u16();
        if (!define(id, CharType::Button)) break;
        Button b;
        size_t actionAt = 0;
        if (code == DefineButton2) {
            t.u8();
            size_t at = t.pos();
            uint16_t off = t.u16();
            actionAt = off ? at + off : 0;
        }
        while (!t.overrun() && !t.atEnd()) {
            uint8_t flags = t.u8();
            if (flags == 0) break;
            ButtonRecord br;
            br.states = flags & 0x0F;
            br.charId = t.u16();
            br.depth = t.u16();
            br.matrix = readMatrix(t);
            if (code == DefineButton2) {
                br.cx = readCxform(t, true);
                if (flags & 0x10) skipFilters(t);
                if (flags & 0x20) t.u8();
            }
            b.records.push_back(br);
        }
        if (code == DefineButton) {
            ButtonAction a;
            a.conditions = 0x0008;
            a.actions = parseActions(t);
            b.actions.push_back(std::move(a));
        } else if (actionAt) {
            t.seek(actionAt);
            while (!t.overrun() && !t.atEnd()) {
                size_t start = t.pos();
                uint16_t size = t.u16();
                uint8_t c0 = t.u8(), c1 = t.u8();
                ButtonAction a;
                a.conditions = uint16_t(c0 | (c1 << 8));
                size_t end = size ? start + size : t.size();
                BitReader ar = t.sub(end > t.pos() ? end - t.pos() : 0);
                a.actions = parseActions(ar);
                b.actions.push_back(std::move(a));
                if (size == 0) break;
                t.seek(end);
            }
        }
        buttons_[id] = std::move(b);
        break;
    }
    case PlaceObject: {
        PlaceCmd c;
        c.hasChar = true; c.hasMatrix = true;
        c.charId = t.u16(); c.depth = t.u16();
        c.matrix = readMatrix(t);
        if (!t.atEnd()) { c.hasCx = true; c.cx = readCxform(t, false); }
        frame.cmds.push_back(c);
        break;
    }
    case PlaceObject2: case PlaceObject3: {
        PlaceCmd c;
        uint8_t f = t.u8();
        uint8_t f2 = code == PlaceObject3 ? t.u8() : 0;
        c.move = f & 0x01; c.hasChar = f & 0x02; c.hasMatrix = f & 0x04; c.hasCx = f & 0x08;
        c.hasRatio = f & 0x10; c.hasName = f & 0x20; c.hasClip = f & 0x40;
        c.depth = t.u16();
        if (code == PlaceObject3 && ((f2 & 0x08) || ((f2 & 0x10) && c.hasChar))) t.string();
        if (c.hasChar) c.charId = t.u16();
        if (c.hasMatrix) c.matrix = readMatrix(t);
        if (c.hasCx) c.cx = readCxform(t, true);
        if (c.hasRatio) c.ratio = t.u16();
        if (c.hasName) c.name = t.string(ps.utf8);
        if (c.hasClip) c.clipDepth = t.u16();
        if (code == PlaceObject3) {
            if (f2 & 0x01) { c.hasFilters = true; c.filters = readFilters(t); }
            if (f2 & 0x02) { c.hasBlend = true; c.blend = t.u8(); }
            if (f2 & 0x04) t.u8();
            if (f2 & 0x20) { c.hasVisible = true; c.visible = t.u8() != 0; }
        }
        frame.cmds.push_back(c);
        break;
    }
    case RemoveObject: { PlaceCmd c; c.remove = true; c.charId = t.u16(); c.depth = t.u16(); frame.cmds.push_back(c); break; }
    case RemoveObject2: { PlaceCmd c; c.remove = true; c.depth = t.u16(); frame.cmds.push_back(c); break; }
    case FrameLabel: tl.labels.emplace_back(t.string(ps.utf8), int(tl.frames.size())); break;
    case DoAction: {
        auto a = parseActions(t);
        frame.actions.insert(frame.actions.end(), a.begin(), a.end());
        break;
    }
    case DefineSound: {
        uint16_t id = t.u16();
        if (!define(id, CharType::Sound)) break;
        SoundDef s;
        s.fmt = readSoundFormat(t);
        s.sampleCount = t.u32();
        s.data = t.bytes(t.remaining());
        sounds_[id] = std::move(s);
        break;
    }
    case StartSound: { uint16_t id = t.u16(); frame.sounds.push_back(readSoundInfo(t, id)); break; }
    case SoundStreamHead: case SoundStreamHead2: {
        t.u8(); // playback format
        tl.stream.present = true;
        tl.stream.fmt = readSoundFormat(t);
        tl.stream.samplesPerBlock = t.u16();
        break;
    }
    case SoundStreamBlock:
        if (tl.stream.present && frame.streamBlock < 0) {
            frame.streamBlock = int(tl.streamBlocks.size());
            tl.streamBlocks.push_back(t.bytes(t.remaining()));
        }
        break;
    case DefineVideoStream: {
        uint16_t id = t.u16();
        if (!define(id, CharType::Video)) break;
        VideoStreamDef v;
        v.numFrames = t.u16(); v.width = t.u16(); v.height = t.u16();
        t.ub(4);
        v.deblocking = uint8_t(t.ub(3));
        v.smoothing = t.flag();
        v.codec = t.u8();
        videos_[id] = std::move(v);
        break;
    }
    case VideoFrame: {
        uint16_t id = t.u16();
        uint16_t n = t.u16();
        auto it = videos_.find(id);
        if (it != videos_.end()) it->second.frames[n] = t.bytes(t.remaining());
        break;
    }
    default:
        if (unknownTags_.size() < 64) unknownTags_.push_back(code);
        break;
    }
}

} // namespace swf
