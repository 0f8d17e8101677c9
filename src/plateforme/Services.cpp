#include "plateforme/Services.h"

Services& services()
{
    static Services s;
    return s;
}
