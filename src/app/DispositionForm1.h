#pragma once
// Places of the main window's controls on its 1024 x 768 picture, in twips
// (15 twips a pixel). The windows place their controls from these, and the
// picture generator draws each button under its hot zone from the same values.
#include <array>

struct ZoneTwips
{
    int gauche, haut, largeur, hauteur;

    constexpr int x() const { return gauche / 15; }
    constexpr int y() const { return haut / 15; }
    constexpr int l() const { return largeur / 15; }
    constexpr int h() const { return hauteur / 15; }
};

namespace form1 {
constexpr int largeurImage = 1024;
constexpr int hauteurImage = 768;

// Shell
constexpr ZoneTwips quitter{1890, 9765, 1080, 600};        // Label1(0)
constexpr ZoneTwips aide{2760, 12285, 825, 300};           // Label1(1), below the visible area
constexpr ZoneTwips basculer{3120, 9660, 870, 705};        // Label1(2)
constexpr ZoneTwips zoomAnimation{1650, 1680, 570, 525};   // Label1(3)
constexpr ZoneTwips zoomConsignes{2235, 1680, 570, 525};   // Label1(4)
constexpr ZoneTwips ligneEtat{855, 8685, 2700, 375};       // Label1(5)
constexpr ZoneTwips aideUtilisateur{435, 8655, 390, 390};  // Label12
constexpr ZoneTwips journaux{420, 1680, 570, 525};         // Label15
constexpr ZoneTwips sujet{5145, 8850, 9600, 900};          // Label5
constexpr ZoneTwips intitule{5310, 9945, 9450, 600};       // Label7
constexpr ZoneTwips legende{14775, 7695, 0, 300};          // Label8(0): right edge at gauche
constexpr ZoneTwips identite{555, 7755, 3300, 255};        // Label24(8)
constexpr ZoneTwips avis{5145, 11040, 9600, 300};          // Label17

// Catalogue
constexpr ZoneTwips arbre{525, 2235, 3465, 5880};          // treeview1
constexpr ZoneTwips deployer{4170, 5070, 330, 330};        // arbo(0) and arbo(1), same place
constexpr ZoneTwips astuce{975, 7050, 2880, 900};          // Picture2 with Label25

// Media
constexpr ZoneTwips flash{5505, 390, 9300, 6915};          // fl
constexpr ZoneTwips video{5505, 390, 9300, 7290};          // AVI
constexpr ZoneTwips compteur{2625, 585, 1080, 255};        // Label9
constexpr ZoneTwips volume{795, 9570, 255, 1005};          // Slider1
constexpr ZoneTwips toutStopper{3405, 1680, 630, 525};     // Label3(6)
constexpr ZoneTwips tailleCaracteres{2715, 4485, 270, 270};// Label3(12)
constexpr ZoneTwips modeDocument{2835, 1665, 585, 540};    // Label16(0)
constexpr ZoneTwips survolDocument{5670, 8085, 9180, 2760};// Label6
constexpr ZoneTwips panneauPdf{4845, 7995, 9990, 3180};    // PDF1
constexpr ZoneTwips lancerEpreuve{1035, 1695, 570, 495};    // Label19

// Results board: headings at y 8145, values at y 8400.
constexpr std::array<int, 10> colonnesTitres{555, 885, 1215, 1545, 1875, 2250, 2580, 2910, 3240, 3555};
constexpr int hautTitres = 8145;
constexpr int hautValeurs = 8400;
constexpr ZoneTwips razResultats{2070, 9030, 270, 270};    // Label20
} // namespace form1
