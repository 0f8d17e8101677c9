// The learner's help: how to use Pedavin, in one window.
#include <QApplication>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWidget>

namespace {
const char* const texte = R"(
<h2>Bienvenue dans votre Pedavin</h2>
<p>Pedavin vous accompagne pas à pas dans votre formation. L'écran principal se
compose de trois espaces&nbsp;:</p>
<ul>
<li><b>Le sommaire</b>, à gauche&nbsp;: le titre du cours, ses chapitres, puis
les leçons, les questionnaires et les tests. Cliquez sur le petit + ou
double-cliquez sur une ligne pour déployer ou masquer son contenu.</li>
<li><b>L'animation</b>, en haut à droite&nbsp;: elle démarre dès que vous
cliquez sur une leçon. Le compteur indique l'image en cours.</li>
<li><b>Les consignes</b>, en bas à droite&nbsp;: le document de la leçon, que
vous pouvez feuilleter, agrandir ou imprimer.</li>
</ul>
<h3>Suivre une leçon</h3>
<ol>
<li>Cliquez sur une leçon dans le sommaire&nbsp;: elle passe en surbrillance
rouge et son animation démarre.</li>
<li>Lisez les consignes sous l'animation&nbsp;; passez la souris sur la zone du
document pour l'afficher.</li>
<li>Une leçon déjà vue s'affiche en gris.</li>
</ol>
<h3>Questionnaires et tests</h3>
<p>Chaque questionnaire comporte dix questions à trois réponses (A, B ou C).
Votre note sur 20 s'inscrit dans le tableau des résultats, avec votre
moyenne.</p>
<h3>Journal de formation</h3>
<p>Chacune de vos actions est notée dans votre journal de formation&nbsp;:
enregistrez-le pour retrouver votre parcours à la prochaine session.</p>
<h3>Quitter</h3>
<p>Le bouton «&nbsp;Quitter&nbsp;» vous propose d'enregistrer votre journal
avant de fermer Pedavin.</p>
)";
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget fenetre;
    fenetre.setWindowTitle(QStringLiteral("Aide de Pedavin"));
    auto* mise = new QVBoxLayout(&fenetre);
    auto* page = new QTextBrowser;
    page->setHtml(QString::fromUtf8(texte));
    mise->addWidget(page);
    auto* fermer = new QPushButton(QStringLiteral("Fermer"));
    QObject::connect(fermer, &QPushButton::clicked, &fenetre, &QWidget::close);
    mise->addWidget(fermer);
    fenetre.resize(640, 560);
    fenetre.show();
    return app.exec();
}
