// Copyright 2026 the Tavlo32 developers.
#include "ui/application_tavlo.h"
#include "ui/boite_message.h"
#include "ui/dialogues_qt.h"
#include "ui/horloge_systeme.h"
#include "ui/langue.h"
#include "ui/mirvo32.h"
#include "ui/son_differe.h"

int main(int argc, char** argv) {
    tavlo::ui::ApplicationTavlo application(argc, argv);
    const tavlo::ui::Langue langue;
    tavlo::ui::HorlogeSysteme horloge;
    tavlo::ui::SonDiffere son(tavlo::ui::SonDiffere::dossiersModule());
    tavlo::ui::BoitesQt boites;
    tavlo::ui::TMirvo32 Mirvo32(horloge, boites, son);
    tavlo::ui::DialoguesQt dialogues(&Mirvo32, boites, application.dossiersAide());
    Mirvo32.brancherDialogues(dialogues);
    Mirvo32.showMaximized();
    return application.exec();
}
