#pragma once

#include "Services.h"
#include "TForm1.h"
#include "LeatherworkingWindow.h"
#include "AlchemyWindow.h"
#include "CraftingWindow.h"
#include "ExperienceWindow.h"
#include "SpellcastingWindow.h"

#include <memory>

// The program's six windows, living until the program ends. The main window is made at
// once; each reference window is made when the Knowledge page first opens it, so start-up
// pays only for what the player sees.
class KeloWindows {
public:
    // `runCreationStep` runs the main window's creation step (instructions, placement,
    // counters and start-up request), as at start; tests leave it off to stay off the network.
    KeloWindows(const Services &services, bool runCreationStep) : main(services)
    {
        if (runCreationStep)
            main.FormCreate();
        main.attachReferenceWindows({[this] { return &craft(); }, [this] { return &experience(); },
                                     [this] { return &alchemy(); }, [this] { return &leatherworking(); },
                                     [this] { return &spellcasting(); }});
    }

    TForm1 main;

    CraftingWindow &craft() { return made(m_craft); }
    ExperienceWindow &experience() { return made(m_experience); }
    AlchemyWindow &alchemy() { return made(m_alchemy); }
    LeatherworkingWindow &leatherworking() { return made(m_leatherworking); }
    SpellcastingWindow &spellcasting() { return made(m_spellcasting); }

    // How many reference windows have been made so far.
    int madeCount() const
    {
        return !!m_craft + !!m_experience + !!m_alchemy + !!m_leatherworking + !!m_spellcasting;
    }

private:
    template <class Window>
    static Window &made(std::unique_ptr<Window> &window)
    {
        if (!window)
            window = std::make_unique<Window>();
        return *window;
    }

    // Declared after the main window, so they go before it.
    std::unique_ptr<CraftingWindow> m_craft;
    std::unique_ptr<ExperienceWindow> m_experience;
    std::unique_ptr<AlchemyWindow> m_alchemy;
    std::unique_ptr<LeatherworkingWindow> m_leatherworking;
    std::unique_ptr<SpellcastingWindow> m_spellcasting;
};
