#pragma once
// Window skins of the course folder (fonds/).
#include <QImage>

// The main window's 1024 x 768 skin: every button drawn under its hot zone.
QImage dessinerSkinPrincipal();

// Background of questionnaire n (1..5), 1024 x 768.
QImage dessinerFondQuestionnaire(int n);
