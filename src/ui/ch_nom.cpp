// Copyright 2026 the Tavlo32 developers.
#include "ui/ch_nom.h"
#include "ui/boite_message.h"
#include "ui/dialogue_fixe.h"
#include "ui/textes_fenetre.h"
#include "ui/traduction.h"

#include "rules/verification_noms.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBoundaryFinder>
#include <QValidator>

#include <algorithm>

namespace tavlo::ui {

namespace {

constexpr int LONGUEUR_NOM = 10;

// The text in capitals and in composed form, without the characters that must never enter a
// name: control and format characters, and line and paragraph separators, which would cut the
// name on the board and break a line of the rounds-won box. A group box draws a title that ends
// in a combining accent as that accent alone, so the accent joins its letter here.
QString nettoyer(QStringView texte) {
    QString propre;
    for (const char32_t c : texte.toUcs4()) {
        switch (QChar::category(c)) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            break;
        default:
            propre.append(QStringView(QChar::fromUcs4(c)));
        }
    }
    return propre.toUpper().normalized(QString::NormalizationForm_C);
}

// Where each character of a text ends, counting characters as a person does: a letter with its
// accents, or an emoji made of two UTF-16 units, is one character.
QList<qsizetype> finsDesCaracteres(const QString& texte) {
    QList<qsizetype> fins;
    QTextBoundaryFinder limites(QTextBoundaryFinder::Grapheme, texte);
    for (qsizetype fin = limites.toNextBoundary(); fin > 0; fin = limites.toNextBoundary()) {
        fins << fin;
    }
    return fins;
}

// Names are stored in capitals, at most LONGUEUR_NOM characters long. The validator may rewrite
// what is typed or pasted, so it cleans, upper-cases and cuts there. What goes beyond the limit
// is cut just before the cursor, from what was just typed or pasted, and never inside a
// character. A capital can be longer than its letter (ß gives SS): the cursor follows the text
// before it.
class ValidateurNom : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& texte, int& curseur) const override {
        QString avant = nettoyer(QStringView(texte).left(curseur));
        const QString apres = nettoyer(QStringView(texte).mid(curseur));
        const QList<qsizetype> fins = finsDesCaracteres(avant);
        const qsizetype place =
            std::max<qsizetype>(LONGUEUR_NOM - finsDesCaracteres(apres).size(), 0);
        if (fins.size() > place) {
            avant.truncate(place == 0 ? 0 : fins[place - 1]);
        }
        texte = avant + apres;
        curseur = static_cast<int>(avant.size());
        return Acceptable;
    }
};

QLineEdit* saisie(QWidget* parent, const char* nom, QRect place) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(nom));
    edit->setGeometry(place);
    edit->setFont(police(MS_SANS_SERIF, 16));
    edit->setValidator(new ValidateurNom(edit));
    return edit;
}

QPushButton* bouton(QWidget* parent, const char* nom, const QString& texte, QRect place) {
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(QLatin1String(nom));
    b->setGeometry(place);
    return b;
}

} // namespace

TChNom::TChNom(QWidget* parent, std::function<void(const QString&)> avertissement)
    : QDialog(parent, FENETRE_DIALOGUE), m_avertissement(std::move(avertissement)) {
    setObjectName(QStringLiteral("ChNom"));
    setWindowTitle(traduit(textes::TITRE_CH_NOM));
    setFont(police(MS_SANS_SERIF, 11));
    setFixedSize(313, 214);

    auto* Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 297, 161);

    // The two blanks after "du" are part of the caption.
    etiquette(this, "Label1", traduit(textes::ENTREZ_PREMIER), {32, 24, 235, 20},
              police(MS_SANS_SERIF, 16));
    Nom1 = saisie(this, "Nom1", {32, 48, 129, 28});
    Label2 = etiquette(this, "Label2", traduit(textes::ENTREZ_SECOND), {32, 96, 230, 20},
                       police(MS_SANS_SERIF, 16));
    Nom2 = saisie(this, "Nom2", {32, 120, 129, 28});

    OKBtn = bouton(this, "OKBtn", traduit(textes::OK), {79, 180, 75, 25});
    OKBtn->setDefault(true);
    CancelBtn = bouton(this, "CancelBtn", traduit(textes::ANNULER), {159, 180, 75, 25});

    setTabOrder(Nom1, Nom2);
    setTabOrder(Nom2, OKBtn);
    setTabOrder(OKBtn, CancelBtn);
    Nom1->setFocus();

    connect(OKBtn, &QPushButton::clicked, this, &TChNom::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TChNom::montrerNom2(bool visible) {
    Label2->setVisible(visible);
    Nom2->setVisible(visible);
}

QString TChNom::nom1() const {
    return Nom1->text();
}

QString TChNom::nom2() const {
    return Nom2->text();
}

void TChNom::OKBtnClick() {
    const QByteArray nom1 = Nom1->text().toUtf8();
    const QByteArray nom2 = Nom2->text().toUtf8();
    // Asked of the field itself: while the dialog is hidden no child is visible.
    const bool nom2Visible = Nom2->isVisibleTo(this);
    const auto avertissements =
        rules::verifierNoms({nom1.constData(), static_cast<std::size_t>(nom1.size())},
                            {nom2.constData(), static_cast<std::size_t>(nom2.size())}, nom2Visible);
    for (const std::string_view texte : avertissements) {
        QApplication::beep();
        m_avertissement(traduit(texte));
    }
    if (avertissements.empty()) {
        accept();
    }
}

void TChNom::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centrerSurLEcran(*this);
}

} // namespace tavlo::ui
