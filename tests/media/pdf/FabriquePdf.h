#pragma once
// Test documents made on the spot: lesson-like pages that differ visibly from
// one page to the next, and the broken files a course folder may hold.
#include <QFile>
#include <QFont>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QString>

// A document of `pages` pages of the given size in points. Each page carries
// its number in large type, a black band whose height depends on the number,
// and some lines of text.
inline QString fabriquerPdf(const QString& chemin, int pages, QSizeF points = QSizeF(595, 842))
{
    QPdfWriter w(chemin);
    w.setResolution(72);
    w.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
    w.setPageMargins(QMarginsF());
    QPainter p(&w);
    for (int n = 1; n <= pages; ++n) {
        if (n > 1)
            w.newPage();
        const double l = points.width(), h = points.height();
        p.fillRect(QRectF(0, 0, l, h), Qt::white);
        p.fillRect(QRectF(l * 0.1, h * (0.05 + 0.6 * ((n - 1) % 7) / 7.0), l * 0.8, h * 0.08), Qt::black);
        QFont grand(QStringLiteral("Liberation Sans"));
        grand.setPixelSize(int(h * 0.15));
        grand.setBold(true);
        p.setFont(grand);
        p.drawText(QRectF(0, h * 0.7, l, h * 0.2), Qt::AlignCenter, QString::number(n));
        QFont texte(QStringLiteral("Liberation Sans"));
        texte.setPixelSize(11);
        p.setFont(texte);
        for (int i = 0; i < 8; ++i)
            p.drawText(QPointF(l * 0.1, h * 0.2 + i * 14),
                       QStringLiteral("Page %1, ligne %2 : saisir une formule dans la cellule B%2.").arg(n).arg(i + 1));
    }
    return chemin;
}

inline QString ecrireFichier(const QString& chemin, const QByteArray& contenu)
{
    QFile f(chemin);
    if (f.open(QIODevice::WriteOnly))
        f.write(contenu);
    return chemin;
}

// The first half of a valid document: no cross-reference table, no trailer.
inline QString fabriquerTronque(const QString& chemin, const QString& source)
{
    QFile f(source);
    f.open(QIODevice::ReadOnly);
    return ecrireFichier(chemin, f.read(f.size() / 2));
}

// A one-page document protected by a user password (standard security
// handler, 40-bit RC4). Opening it without the password fails.
inline QString fabriquerChiffre(const QString& chemin)
{
    const QByteArray o(64, 'a'), u(64, 'b'), id(32, 'c');
    QList<QByteArray> objets{
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] >>",
        "<< /Filter /Standard /V 1 /R 2 /O <" + o + "> /U <" + u + "> /P -44 >>",
    };
    QByteArray pdf = "%PDF-1.4\n";
    QList<int> positions;
    for (int i = 0; i < objets.size(); ++i) {
        positions << int(pdf.size());
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objets[i] + "\nendobj\n";
    }
    const int xref = int(pdf.size());
    pdf += "xref\n0 " + QByteArray::number(objets.size() + 1) + "\n0000000000 65535 f \n";
    for (int p : positions)
        pdf += QByteArray::number(p).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(objets.size() + 1) + " /Root 1 0 R /Encrypt 4 0 R /ID [<" + id
           + "> <" + id + ">] >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return ecrireFichier(chemin, pdf);
}
