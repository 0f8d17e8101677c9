// swf-compare [--set DIR] [--render PATH] [--out DIR] [-- render options]
// Runs swf-render over DIR/cases.tsv and compares each image with the expected
// one: per case the share of pixels within +-8 per channel, whether the
// suite's own tolerance/max_outliers pass, and the overall figure.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString set = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath("../../../shared/swf");
    QString render = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath("swf-render");
    QString out;
    QStringList extra;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == "--set" && i + 1 < args.size()) set = args[++i];
        else if (args[i] == "--render" && i + 1 < args.size()) render = args[++i];
        else if (args[i] == "--out" && i + 1 < args.size()) out = args[++i];
        else if (args[i] == "--") { extra = args.mid(i + 1); break; }
    }
    QTemporaryDir tmp;
    if (out.isEmpty()) { tmp.setAutoRemove(false); out = tmp.path(); }
    QDir().mkpath(out);
    QFile f(set + "/cases.tsv");
    if (!f.open(QIODevice::ReadOnly)) { std::fprintf(stderr, "swf-compare: no %s/cases.tsv\n", qPrintable(set)); return 2; }
    QTextStream in(&f);
    in.readLine();
    int rows = 0, good = 0, suitePass = 0;
    std::printf("%-48s %5s %9s %6s\n", "case", "frame", "within8", "suite");
    while (!in.atEnd()) {
        QStringList c = in.readLine().split('\t');
        if (c.size() < 6) continue;
        ++rows;
        QString png = out + "/" + c[0] + "." + c[2] + ".png";
        QFile::remove(png);
        QProcess p;
        p.start(render, QStringList{set + "/" + c[0] + "/" + c[1], c[2], png} + extra);
        p.waitForFinished(120000);
        QImage got(png), exp(set + "/" + c[0] + "/" + c[3]);
        double share = 0;
        QString suite = "fail";
        if (got.isNull()) suite = "none";
        else if (got.size() != exp.size()) suite = "size";
        else {
            got = got.convertToFormat(QImage::Format_RGB32);
            exp = exp.convertToFormat(QImage::Format_RGB32);
            int tol = c[4].toInt();
            long maxOut = c[5].toLong(), outliers = 0, within = 0;
            for (int y = 0; y < got.height(); ++y) {
                const QRgb* a = reinterpret_cast<const QRgb*>(got.constScanLine(y));
                const QRgb* b = reinterpret_cast<const QRgb*>(exp.constScanLine(y));
                for (int x = 0; x < got.width(); ++x) {
                    int d = std::max({std::abs(qRed(a[x]) - qRed(b[x])), std::abs(qGreen(a[x]) - qGreen(b[x])),
                                      std::abs(qBlue(a[x]) - qBlue(b[x]))});
                    if (d <= 8) ++within;
                    if (d > tol) ++outliers;
                }
            }
            share = double(within) / (double(got.width()) * got.height());
            suite = outliers <= maxOut ? "pass" : "fail";
            if (outliers <= maxOut) ++suitePass;
        }
        if (share >= 0.95) ++good;
        std::printf("%-48s %5s %8.2f%% %6s\n", qPrintable(c[0].left(48)), qPrintable(c[2]), share * 100, qPrintable(suite));
    }
    std::printf("overall: %d/%d comparisons with >= 95%% of pixels within +-8 (%.1f%%); suite limits passed: %d/%d\n",
                good, rows, rows ? 100.0 * good / rows : 0.0, suitePass, rows);
    std::printf("images in %s\n", qPrintable(out));
    return 0;
}
