#include "app/Fenetres.h"

#include "app/Form1.h"
#include "app/Form5.h"

Fenetres& fenetres()
{
    static Fenetres f;
    return f;
}
