#pragma once
// Places of the document panel's controls, in twips inside the panel (15 twips
// a pixel). The panel places its controls from these and the toolbar picture
// generator draws each button under its hot zone from the same values.
#include "app/DispositionForm1.h"

#include <array>

namespace panneaupdf {

// Toolbar buttons Label22(0..9), by index.
enum Bouton {
    PremierePage = 0,
    PagePrecedente = 1,
    PageSuivante = 2,
    DernierePage = 3,
    SurSaHauteur = 4,
    PleineLargeur = 5,
    AuMieux = 6,
    ImprimerPage = 7,
    ImprimerTout = 8,
    ChoisirImprimante = 9,
};

struct Disposition
{
    ZoneTwips panneau;                     // PDF1 (size only; its place is the window's)
    ZoneTwips barre;                       // Image1, the toolbar picture
    ZoneTwips visionneuse;                 // PDFV1
    ZoneTwips indicateur;                  // Label21
    std::array<ZoneTwips, 10> boutons;     // Label22(0..9)
    ZoneTwips ouvrirDansLecteur;           // Label23(3)
    ZoneTwips exercice;                    // Label18; empty when the window has none
};

// The toolbar picture: 15285 x 420 twips, wider than the panel, which shows
// its left part.
constexpr int largeurBarre = 1019;
constexpr int hauteurBarre = 28;

// Main window. The page indicator spans the whole gap between "Page
// précédente" and "Page suivante", so that "Page 10 sur 12" is not clipped.
constexpr Disposition principal{
    {0, 0, 9990, 3180},
    {15, 0, 15285, 420},
    {30, 420, 9855, 2640},
    {4590, 75, 1335, 195},
    {{{3870, 15, 315, 390},
      {4215, 0, 360, 420},
      {5940, -15, 330, 390},
      {6285, -30, 390, 420},
      {1965, 0, 480, 390},
      {2445, 15, 450, 390},
      {2880, 15, 480, 390},
      {540, -30, 465, 390},
      {960, -60, 510, 420},
      {0, 0, 525, 390}}},
    {6870, 0, 435, 390},
    {1425, 75, 540, 315},
};

// Full-screen zoom, before the window scales its controls to the screen.
constexpr Disposition zoom{
    {0, 0, 8025, 4170},
    {0, 0, 15285, 420},
    {150, 465, 7215, 2565},
    {4650, 75, 1230, 195},
    {{{3810, 0, 405, 390},
      {4215, 0, 420, 420},
      {5895, 0, 330, 390},
      {6255, 0, 390, 420},
      {1950, 0, 405, 390},
      {2400, 0, 450, 390},
      {2880, 0, 495, 390},
      {480, 0, 465, 390},
      {960, 0, 510, 420},
      {0, 0, 525, 390}}},
    {6840, 0, 435, 390},
    {0, 0, 0, 0},
};

} // namespace panneaupdf
