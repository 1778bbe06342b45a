// Copyright 2026 the Tavlo32 developers.
#include "ui/about_box.h"
#include "ui/dialogue_fixe.h"
#include "ui/disposition.h"
#include "ui/textes_fenetre.h"
#include "ui/traduction.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <qdrawutil.h>

namespace tavlo::ui {

namespace {

const QColor ARGENT(192, 192, 192);

// A panel with a lowered outer bevel and a raised inner one, one pixel each.
class PanneauBiseaute : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter peintre(this);
        qDrawShadeRect(&peintre, rect(), palette(), true);
        qDrawShadeRect(&peintre, rect().adjusted(1, 1, -1, -1), palette(), false);
    }
};

// The green check mark drawn at the left of "OK".
QIcon coche() {
    QPixmap image(16, 16);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    QPainterPath trait;
    trait.moveTo(2.5, 8.5);
    trait.lineTo(6.5, 12.5);
    trait.lineTo(13.5, 3.5);
    peintre.setPen(QPen(QColor(0, 128, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    peintre.drawPath(trait);
    peintre.end();
    QIcon icone(image);
    // The panel's contents and the button keep their colours when disabled: no greyed glyph.
    icone.addPixmap(image, QIcon::Disabled);
    return icone;
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent, FENETRE_DIALOGUE) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(traduit(textes::TITRE_A_PROPOS));
    setFont(police(MS_SANS_SERIF, 11));
    setFixedSize(298, 213);

    auto* Panel1 = new PanneauBiseaute(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(8, 8, 281, 169);
    // Nothing in the panel takes the focus or the mouse; its contents keep their colours, which
    // are set for every state.
    Panel1->setEnabled(false);

    QLabel* ProductName = etiquette(Panel1, "ProductName", traduit(textes::TITRE), {104, 8, 62, 20},
                                    police(MS_SANS_SERIF, 16, true));
    ProductName->setAutoFillBackground(true);
    colorier(ProductName, QPalette::Window, ARGENT);
    colorier(ProductName, QPalette::WindowText, Qt::yellow);
    etiquette(Panel1, "Version", traduit(textes::VERSION).arg(QStringLiteral(TAVLO_VERSION)),
              {105, 28, 65, 13}, police(MS_SANS_SERIF, 11, true));
    etiquette(Panel1, "Copyright", traduit(textes::COPYRIGHT), {48, 52, 173, 13}, font());

    auto* Memo1 = new QPlainTextEdit(Panel1);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(8, 72, 265, 89);
    Memo1->setFont(police(MS_SANS_SERIF, 13));
    Memo1->setReadOnly(true);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    colorier(Memo1, QPalette::Base, MARINE);
    colorier(Memo1, QPalette::Text, Qt::white);
    Memo1->setPlainText(traduit(textes::MEMO));

    auto* OKButton = new QPushButton(coche(), traduit(textes::OK), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(120, 184, 75, 25);
    OKButton->setDefault(true);
    OKButton->setFocus();
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centrerSurLEcran(*this);
}

} // namespace tavlo::ui
