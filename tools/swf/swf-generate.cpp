// swf-generate <output folder> [lesson keys...]
// Makes the sample course's Flash movies with our SWF writer:
//   <out>/anim/T.swf       the title animation (with a chime)
//   <out>/aideQZ.swf       the help animation of the questionnaires (spoken)
//   <out>/anim/<key>.swf   a lesson movie per key (default: the sample course's
//                          Flash lessons C01L02 C02L01 C03L01 C04L02), spoken
// --titre and --sous-titre change the title animation's texts.
// Narration uses espeak-ng when it is installed (French voice), a tone otherwise.
#include "SwfWriter.h"
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>

using namespace swfw;
using Op = TimelineBuilder::Op;

namespace {

const int W = 620, H = 462;   // the animation area of the main window
const double FPS = 12;

struct Pcm { int rate = 22050; std::vector<int16_t> s; };

Pcm speak(const QString& text)
{
    Pcm p;
    QTemporaryDir dir;
    QString wav = dir.filePath("v.wav");
    QProcess pr;
    pr.start("espeak-ng", {"-v", "fr", "-s", "150", "-w", wav, text});
    if (pr.waitForFinished(60000) && pr.exitCode() == 0) {
        QFile f(wav);
        if (f.open(QIODevice::ReadOnly)) {
            QByteArray d = f.readAll();
            qsizetype at = d.indexOf("fmt ");
            if (at >= 0 && at + 24 <= d.size()) p.rate = *reinterpret_cast<const int32_t*>(d.constData() + at + 12);
            at = d.indexOf("data");
            if (at >= 0) {
                const int16_t* s = reinterpret_cast<const int16_t*>(d.constData() + at + 8);
                qsizetype n = (d.size() - at - 8) / 2;
                p.s.assign(s, s + n);
            }
        }
    }
    if (p.s.empty()) { // no speech synthesiser: a soft tone of about the same length
        int n = int(p.rate * std::max(1.0, text.size() / 14.0));
        for (int i = 0; i < n; ++i) p.s.push_back(int16_t(3000 * std::sin(i * 2 * M_PI * 330 / p.rate) * (0.5 + 0.5 * std::sin(i * 2 * M_PI * 3.0 / p.rate))));
    }
    return p;
}

Pcm chime()
{
    Pcm p;
    const double notes[] = {523.25, 659.25, 783.99, 1046.5};
    for (int k = 0; k < 4; ++k)
        for (int i = 0; i < p.rate / 3; ++i) {
            double env = std::exp(-4.0 * i / p.rate);
            p.s.push_back(int16_t(9000 * env * std::sin(i * 2 * M_PI * notes[k] / p.rate)));
        }
    return p;
}

QByteArray le16(const std::vector<int16_t>& s, size_t from, size_t n)
{
    QByteArray b;
    for (size_t i = from; i < from + n; ++i) {
        int16_t v = i < s.size() ? s[i] : 0;
        b.append(char(v & 0xFF)); b.append(char((v >> 8) & 0xFF));
    }
    return b;
}

// The narration as a sound stream: one block per frame keeps it in step.
int streamNarration(Writer& w, const Pcm& p, std::vector<std::function<void(int)>> perFrame, int minFrames)
{
    size_t spf = size_t(std::lround(p.rate / FPS));
    int frames = std::max(minFrames, int((p.s.size() + spf - 1) / spf) + int(FPS));
    w.streamHead(3, p.rate, true, false, uint16_t(spf));
    for (int f = 0; f < frames; ++f) {
        for (auto& fn : perFrame) fn(f);
        if (size_t(f) * spf < p.s.size()) w.streamBlock(le16(p.s, size_t(f) * spf, spf));
        w.showFrame();
    }
    return frames;
}

uint16_t textShape(Writer& w, const QString& text, int px, uint32_t argb, bool bold = false, int* widthOut = nullptr)
{
    QFont f("Liberation Sans");
    f.setPixelSize(px * 20);
    f.setBold(bold);
    QPainterPath path;
    path.addText(0, 0, f, text);
    ShapeBuilder s;
    int fill = s.addFill(Fill::solid(argb));
    s.path(path, fill);
    if (widthOut) *widthOut = int(path.boundingRect().width() / 20);
    return w.defineShape(s);
}

uint16_t box(Writer& w, int x, int y, int wd, int ht, uint32_t fill, uint32_t line = 0)
{
    ShapeBuilder s;
    int f = s.addFill(Fill::solid(fill));
    int l = line ? s.addLine(Line{40, line}) : 0;
    s.rect(x * 20, y * 20, wd * 20, ht * 20, f, l);
    return w.defineShape(s);
}

uint16_t pointer(Writer& w)
{
    ShapeBuilder cur;
    int black = cur.addFill(Fill::solid(0xFF000000)), white = cur.addFill(Fill::solid(0xFFFFFFFF));
    cur.polygon({{0, 0}, {0, 340}, {90, 260}, {150, 380}, {200, 360}, {140, 240}, {250, 240}}, black);
    cur.polygon({{20, 40}, {20, 290}, {95, 225}, {155, 345}, {175, 335}, {115, 215}, {200, 215}}, white);
    return w.defineShape(cur);
}

QByteArray titleMovie(const QString& courseTitle, const QString& soustitre)
{
    Writer w(W, H, FPS, 8);
    w.setBackground(0x102040);
    ShapeBuilder bg;
    int g = bg.addFill(Fill::radial(W * 10, H * 10, W * 14, {{0, 0xFF3060A0}, {255, 0xFF0A1830}}));
    bg.rect(0, 0, W * 20, H * 20, g);
    w.place(1, w.defineShape(bg));
    // A ring of dots turning in a sprite of its own.
    ShapeBuilder ring;
    int gold = ring.addFill(Fill::solid(0xFFF0C040));
    for (int i = 0; i < 12; ++i) {
        double a = i * 2 * M_PI / 12;
        ring.ellipse(int32_t(1800 * std::cos(a)), int32_t(1800 * std::sin(a)), 150, 150, gold);
    }
    uint16_t ringShape = w.defineShape(ring);
    TimelineBuilder spin;
    Place rp; rp.depth = 1; rp.charId = ringShape; rp.hasMatrix = true;
    spin.place(rp);
    spin.showFrame();
    for (int i = 1; i < 36; ++i) { spin.move(1, QTransform().rotate(i * 10)); spin.showFrame(); }
    uint16_t spinner = w.defineSprite(spin);
    int tw = 0, sw = 0;
    uint16_t title = textShape(w, courseTitle, 40, 0xFFFFFFFF, true, &tw);
    uint16_t sub = textShape(w, soustitre, 18, 0xFFF0C040, false, &sw);
    uint16_t chimeId = 0;
    {
        Pcm c = chime();
        chimeId = w.defineSound(3, c.rate, true, false, uint32_t(c.s.size()), le16(c.s, 0, c.s.size()));
    }
    const int frames = 60;
    for (int f = 0; f < frames; ++f) {
        if (f == 0) {
            Place p; p.depth = 2; p.charId = spinner; p.hasMatrix = true;
            p.matrix = QTransform::fromTranslate(W * 10, 160 * 20);
            p.hasCx = true; p.mult[3] = 0.0f;
            w.place(p);
            w.startSound(chimeId);
        }
        if (f <= 24) { // the ring fades in
            Place p; p.depth = 2; p.move = true; p.hasCx = true; p.mult[3] = f / 24.0f;
            w.place(p);
        }
        if (f == 6) w.place(3, title, (W - tw) / 2 * 20.0 - 8000, 330 * 20.0);
        if (f > 6 && f <= 24) w.move(3, QTransform::fromTranslate((W - tw) / 2 * 20.0 - 8000 * (24 - f) / 18.0, 330 * 20.0));
        if (f == 24) {
            Place p; p.depth = 4; p.charId = sub; p.hasMatrix = true;
            p.matrix = QTransform::fromTranslate((W - sw) / 2 * 20.0, 380 * 20.0);
            p.hasCx = true; p.mult[3] = 0;
            w.place(p);
        }
        if (f > 24 && f <= 40) { Place p; p.depth = 4; p.move = true; p.hasCx = true; p.mult[3] = (f - 24) / 16.0f; w.place(p); }
        if (f == frames - 1) w.doAction({{Op::Stop}});
        w.showFrame();
    }
    return w.finish();
}

QByteArray helpMovie()
{
    Writer w(W, H, FPS, 8);
    w.setBackground(0xF4F1E8);
    w.place(1, box(w, 30, 30, W - 60, 80, 0xFF2A4D7A));
    int tw = 0;
    uint16_t head = textShape(w, QStringLiteral("Comment répondre à un questionnaire"), 24, 0xFFFFFFFF, true, &tw);
    w.place(2, head, (W - tw) / 2 * 20.0, 80 * 20.0);
    uint16_t q = textShape(w, QStringLiteral("Question 1 : que fait le bouton « Enregistrer » ?"), 16, 0xFF202020);
    w.place(3, q, 50 * 20.0, 160 * 20.0);
    const char* answers[3] = {"A  Il ferme le document", "B  Il garde le travail sur le disque", "C  Il imprime la page"};
    uint16_t normal = box(w, 50, 0, 520, 44, 0xFFFFFFFF, 0xFF7090B0);
    uint16_t chosen = box(w, 50, 0, 520, 44, 0xFFB8E0B0, 0xFF2E7D32);
    for (int i = 0; i < 3; ++i) {
        w.place(uint16_t(10 + i * 2), normal, 0, (190 + i * 60) * 20.0);
        w.place(uint16_t(11 + i * 2), textShape(w, QString::fromUtf8(answers[i]), 16, 0xFF202020), 66 * 20.0, (190 + i * 60 + 29) * 20.0);
    }
    int cw = 0;
    uint16_t caption = textShape(w, QStringLiteral("Cliquez sur A, B ou C, puis passez à la question suivante."), 15, 0xFF2A4D7A, false, &cw);
    uint16_t ptr = pointer(w);
    Pcm voice = speak(QStringLiteral("Pour répondre à un questionnaire, lisez la question. "
                                     "Puis cliquez sur la réponse A, B ou C qui vous paraît juste. "
                                     "Votre choix s'affiche en vert. Chaque questionnaire compte dix questions, notées sur vingt."));
    size_t spf = size_t(std::lround(voice.rate / FPS));
    int speechFrames = int(voice.s.size() / spf);
    int clickAt = std::max(30, speechFrames / 2);
    std::vector<std::function<void(int)>> steps;
    steps.push_back([&](int f) {
        QPointF from(500, 420), to(300, 262);
        double t = std::clamp((f - 12) / double(std::max(1, clickAt - 12)), 0.0, 1.0);
        QPointF at = from + (to - from) * (t * t * (3 - 2 * t));
        if (f == 0) w.place(50, ptr, at.x() * 20, at.y() * 20);
        else w.move(50, QTransform::fromTranslate(at.x() * 20, at.y() * 20));
        if (f == clickAt) { Place p; p.depth = 12; p.move = true; p.charId = chosen; w.place(p); }
        if (f == clickAt + 6) w.place(40, caption, (W - cw) / 2 * 20.0, 410 * 20.0);
    });
    int frames = streamNarration(w, voice, steps, clickAt + 36);
    (void)frames;
    w.doAction({{Op::Stop}});
    w.showFrame();
    return w.finish();
}

// What each lesson movie of the sample course shows and says.
struct Demonstration
{
    QString titre;
    QStringList lignes;
    QString narration;
};

Demonstration demonstration(const QString& key, int n)
{
    if (key == QLatin1String("C01L02"))
        return {QStringLiteral("L'écran de travail et la barre de formule"),
                {QStringLiteral("En haut : la barre de menus et les barres d'outils."),
                 QStringLiteral("À gauche de la barre de formule : la zone Nom, ici A1."),
                 QStringLiteral("La barre de formule montre le contenu de la cellule active."),
                 QStringLiteral("Au centre : la grille, des colonnes A, B, C… et des lignes 1, 2, 3…"),
                 QStringLiteral("En bas : les onglets des feuilles du classeur."),
                 QStringLiteral("Tout en bas : la barre d'état, avec la somme de la sélection.")},
                QStringLiteral("Découvrons l'écran de travail. En haut, les menus et les barres d'outils. "
                               "La zone Nom indique la cellule active, et la barre de formule montre son contenu. "
                               "En bas, les onglets des feuilles et la barre d'état.")};
    if (key == QLatin1String("C02L01"))
        return {QStringLiteral("Saisir du texte, des nombres et des dates"),
                {QStringLiteral("A1 : Article        B1 : Prix        C1 : Date"),
                 QStringLiteral("A2 : Cahier         B2 : 2,50        C2 : 15/09/2026"),
                 QStringLiteral("A3 : Stylo          B3 : 1,20        C3 : 16/09/2026"),
                 QStringLiteral("Le texte se cale à gauche de la cellule,"),
                 QStringLiteral("les nombres et les dates se calent à droite."),
                 QStringLiteral("Validez chaque saisie avec la touche Entrée.")},
                QStringLiteral("Saisissons un petit tableau. Tapez le texte, puis validez avec la touche Entrée. "
                               "Les nombres s'écrivent avec une virgule. Le texte se place à gauche, "
                               "les nombres et les dates à droite.")};
    if (key == QLatin1String("C03L01"))
        return {QStringLiteral("Écrire une première formule"),
                {QStringLiteral("Une formule commence toujours par le signe ="),
                 QStringLiteral("B2 : 2,50 (prix)      C2 : 12 (quantité)"),
                 QStringLiteral("D2 : =B2*C2"),
                 QStringLiteral("Entrée : la cellule affiche le résultat, 30"),
                 QStringLiteral("La barre de formule garde la formule =B2*C2."),
                 QStringLiteral("Changez la quantité : le résultat se recalcule.")},
                QStringLiteral("Écrivons une première formule. Elle commence par le signe égal. "
                               "Égal B2 multiplié par C2 calcule le montant. Validez : le résultat s'affiche, "
                               "et il se recalcule dès qu'une valeur change.")};
    if (key == QLatin1String("C04L02"))
        return {QStringLiteral("Créer un diagramme"),
                {QStringLiteral("Sélectionnez le tableau des ventes, de A1 à B5."),
                 QStringLiteral("Menu Insertion, puis Diagramme…"),
                 QStringLiteral("Choisissez le type Colonne."),
                 QStringLiteral("Donnez un titre : Ventes du trimestre."),
                 QStringLiteral("Terminer : le diagramme apparaît sur la feuille."),
                 QStringLiteral("Il suit les valeurs du tableau quand elles changent.")},
                QStringLiteral("Créons un diagramme. Sélectionnez le tableau, puis choisissez Insertion, Diagramme. "
                               "Prenez le type Colonne, donnez un titre, et terminez. "
                               "Le diagramme suit les valeurs du tableau.")};
    return {QStringLiteral("Leçon %1").arg(key),
            {QStringLiteral("Le texte se tape au fil de la démonstration.")},
            QStringLiteral("Leçon %1. Suivez la démonstration pas à pas.").arg(n)};
}

QByteArray lessonMovie(const QString& key, int n)
{
    const Demonstration demo = demonstration(key, n);
    Writer w(W, H, FPS, 8);
    w.setBackground(0x005A9C);
    // A small desktop: a window with a toolbar, a document and a pointer at work.
    w.place(1, box(w, 0, H - 28, W, 28, 0xFFD0D0D0));
    w.place(2, box(w, 40, 30, W - 80, H - 90, 0xFFFFFFFF, 0xFF404040));
    w.place(3, box(w, 40, 30, W - 80, 26, 0xFF1E3C78));
    uint16_t title = textShape(w, demo.titre, 13, 0xFFFFFFFF, true);
    w.place(4, title, 50 * 20.0, 48 * 20.0);
    std::vector<uint16_t> lines;
    for (const QString& l : demo.lignes)
        lines.push_back(textShape(w, l, 13, 0xFF202020));
    uint16_t ptr = pointer(w);
    uint16_t highlight = box(w, 0, 0, 120, 22, 0xFFFFE680);
    Pcm voice = speak(demo.narration);
    std::vector<std::function<void(int)>> steps;
    // One line every two seconds, with the pointer moving over the work.
    steps.push_back([&](int f) {
        if (f % 16 == 8 && f / 16 < int(lines.size()))
            w.place(uint16_t(20 + f / 16), lines[size_t(f / 16)], 60 * 20.0, (80 + (f / 16) * 28) * 20.0);
        double a = f / 15.0;
        QPointF at(W / 2 + 180 * std::sin(a), H / 2 + 120 * std::cos(a * 0.7));
        if (f == 0) w.place(90, ptr, at.x() * 20, at.y() * 20);
        else w.move(90, QTransform::fromTranslate(at.x() * 20, at.y() * 20));
        if (f == 60) w.place(15, highlight, 55 * 20.0, 64 * 20.0);
        if (f == 72) w.remove(15);
    });
    streamNarration(w, voice, steps, 8 * 13);
    return w.finish(Writer::Compression::Zlib);
}

bool save(const QString& path, const QByteArray& b)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(b) != b.size()) { std::fprintf(stderr, "swf-generate: cannot write %s\n", qPrintable(path)); return false; }
    std::printf("%s (%lld bytes)\n", qPrintable(path), (long long)b.size());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) { std::fprintf(stderr, "usage: swf-generate <output folder> [lesson keys...]\n"); return 2; }
    QString out = args.takeFirst();
    QString titleText = QStringLiteral("Tableur");
    QString subText = QStringLiteral("Découvrir le tableur LibreOffice Calc");
    for (int i = 0; i + 1 < args.size();) {
        if (args[i] == "--titre") { titleText = args[i + 1]; args.remove(i, 2); }
        else if (args[i] == "--sous-titre") { subText = args[i + 1]; args.remove(i, 2); }
        else ++i;
    }
    if (args.isEmpty()) args = QStringList{"C01L02", "C02L01", "C03L01", "C04L02"};
    bool ok = save(out + "/anim/T.swf", titleMovie(titleText, subText));
    ok = save(out + "/aideQZ.swf", helpMovie()) && ok;
    int n = 1;
    for (const QString& key : args) ok = save(out + "/anim/" + key + ".swf", lessonMovie(key, n++)) && ok;
    return ok ? 0 : 1;
}
