#pragma once

#include "Services.h"
#include "TForm1.h"
#include "TForm2.h"
#include "TFormAlchemy.h"
#include "TFormCraft.h"
#include "TFormExp.h"
#include "TFormZakl.h"

// The program's six windows, created in this order and living until the program ends;
// the Knowledge page's buttons are wired to the five reference windows.
class KeloWindows {
public:
    // `runCreationStep` runs the main window's creation step (instructions, placement,
    // counters and start-up request) before the reference windows are created, as at
    // start; tests leave it off to stay off the network.
    KeloWindows(const Services &services, bool runCreationStep)
        : main(services), m_created(main, runCreationStep)
    {
        main.attachReferenceWindows({&craft, &experience, &alchemy, &leatherworking, &spellcasting});
    }

    TForm1 main;

private:
    struct CreationStep {
        CreationStep(TForm1 &window, bool run)
        {
            if (run)
                window.FormCreate();
        }
    } m_created;

public:
    TFormCraft craft;
    TFormExp experience;
    TFormAlchemy alchemy;
    TForm2 leatherworking;
    TFormZakl spellcasting;
};
