// The main menu: background, border bars, the welcome line, four holo buttons and the close button.
#pragma once

#include <memory>

#include "framework/scene.h"

class tavoTBild;

// The frame after entering the menu at which a game without a profile asks for the first name.
constexpr int MAINMENU_FIRST_PROFILE_FRAME = 20;

class tavoTSceneMainmenu : public tavoTScene {
public:
    static constexpr float _MENUBUTTON_X = 937.0f;
    static constexpr float _MENUBUTTON_Y = 29.0f;

    tavoTSceneMainmenu();
    ~tavoTSceneMainmenu() override;
    int Prepare() override;
    int Update() override;
    int Leave() override;
    virtual int _reloadBG();

    // Slot 1 becomes the current profile with an empty name and the name entry opens.
    void startFirstProfile(float soundX);

    std::unique_ptr<tavoTBild> _imgBackground;
    std::unique_ptr<tavoTBild> _imgScores;
    std::unique_ptr<tavoTBild> _imgScoresBar;
    std::unique_ptr<tavoTBild> _imgCreatePlayer;
    std::unique_ptr<tavoTBild> _imgPlayerMenu;
    std::unique_ptr<tavoTBild> _imgBar;
    std::unique_ptr<tavoTBild> _imgTopBar;
    std::unique_ptr<tavoTBild> _imgBottomBar;
    std::unique_ptr<tavoTBild> _imgExitButton;
    std::unique_ptr<tavoTBild> _imgExitButtonHover;
    // Set when the menu is entered, or the last profile is deleted, with no profile current.
    int _askFirstProfile = 0;
    int _lastPlayer = -1;
};
