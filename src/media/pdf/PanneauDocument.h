#pragma once
#include "media/pdf/DispositionPanneauPdf.h"

#include <QPixmap>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

class QLabel;
class VisionneusePdf;
class ZoneCliquable;

// The lesson's document panel (PDF1): the viewer under a toolbar picture with
// its hot zones for pages, fit modes, printing, the printer, the default
// application and the exercise document. The main window holds one; the
// full-screen zoom holds another of the Zoom kind, whose print questions,
// reports and tooltips follow that window's own rules.
class PanneauDocument : public QWidget
{
    Q_OBJECT
public:
    enum class Variante { Principal, Zoom };

    explicit PanneauDocument(QWidget* parent = nullptr, Variante variante = Variante::Principal);
    ~PanneauDocument() override;

    Variante variante() const { return variante_; }

    // Controls
    QLabel* Image1 = nullptr;                 // toolbar picture, stretched
    VisionneusePdf* PDFV1 = nullptr;          // the document
    QLabel* Label21 = nullptr;                // page indicator
    std::array<ZoneCliquable*, 10> Label22{}; // toolbar buttons (panneaupdf::Bouton)
    std::array<ZoneCliquable*, 4> Label23{};  // only 3: open in the default application
    ZoneCliquable* Label18 = nullptr;         // "oOo": the exercise document; main window only

    // Page state: pageCourante is set to 1 by every load.
    int32_t pageCourante = 0;
    int32_t nombrePages = 0;
    bool documentCharge = false;

    // Display mode of the main window's mode button: "on" = shown permanently,
    // "off" = shown while the pointer is over the lower area.
    QString modeAffichage = QStringLiteral("off");

    // Supplied by the window. titreTache gives a print job's title (the main
    // window: its lesson title line; the zoom: the document's path by
    // default). arreterAnimation stops the lesson's animation before the
    // exercise document opens.
    std::function<QString()> titreTache;
    std::function<void()> arreterAnimation;

    // Loads etat().cheminDocument from page 1; visibility is left alone.
    void chargePDF();
    // Shows page n when 1 <= n <= nombrePages; otherwise does nothing.
    void allerPage(int32_t n);

    // Start-up tooltips of the toolbar.
    void infobullesDemarrage();

    // Handlers
    void PDFV1_OnPage(int32_t page);
    void Label22_Click(int index);
    void Label22_MouseDown(int index);
    void Label22_MouseUp(int index);
    void Label23_Click(int index);
    void Label23_MouseDown(int index);
    void Label23_MouseUp(int index);
    void Label18_Click();
    void Label18_MouseDown();
    void Label18_MouseUp();

    // Display mode, for the main window's controls.
    // The mode button's click: click cue; with a document, switches the mode,
    // reloads and shows (on) or hides (off) the panel.
    void basculerModeAffichage();
    // After a lesson is activated and loaded: shown only in mode "on".
    void afficherSelonMode();
    // The pointer over the lower area (Label6) while the panel is hidden:
    // shown when there is a document and an animation player is visible.
    void survolZone(bool animationVisible);
    // The pointer over the lesson tree, or the help button: a panel shown on
    // mouse-over ("off") is hidden.
    void masquerAuPassage();

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void majInfobullesImpression();
    // Each returns whether the print tooltips are rebuilt afterwards.
    bool imprimerPageAffichee();
    bool imprimerDocument();
    QString titreImpression() const;
    QString titreEchec() const;

    Variante variante_;
    QPixmap fond_;
};
