#pragma once
#include <QDialog>
#include <array>
#include <cstdint>

class QLabel;
class ZoneCliquable;

// The program's own skinned message box. It reads its icon, text, buttons and
// caption from the session record and writes the answer there; it closes only
// through one of its buttons.
class Mesboite : public QDialog
{
    Q_OBJECT
public:
    explicit Mesboite(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;  // the text
    QLabel* Image1 = nullptr;  // the icon
    // One group of buttons per set; each button's tag is the answer it gives.
    std::array<QWidget*, 4> groupes{};
    std::array<std::vector<ZoneCliquable*>, 4> boutons{};

    void Bouton_Click(ZoneCliquable* bouton);

protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void Form_Load();
    void Form_Activate();
};

// Shows the box modally; the caller then reads etat().reponseMessage
// ("Ok", "Annuler", "Oui" or "Non").
void afficherMessage(int16_t icone, const QString& texte, int16_t boutons, const QString& titre);
