#include "plateforme/impression/Impression.h"

#include "plateforme/impression/ImpressionQt.h"

namespace {
std::unique_ptr<Impression>& courante()
{
    static std::unique_ptr<Impression> s;
    return s;
}
} // namespace

Impression& impression()
{
    auto& s = courante();
    if (!s)
        s = std::make_unique<ImpressionQt>();
    return *s;
}

void installerImpression(std::unique_ptr<Impression> service) { courante() = std::move(service); }
