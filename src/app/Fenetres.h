#pragma once
#include <QPointer>

class Form1;
class Form5;

// The program's windows: each exists at most once and is created on first use.
// A pointer is null while its window is not loaded.
struct Fenetres
{
    QPointer<Form5> form5;
    QPointer<Form1> form1;
};

Fenetres& fenetres();
