// The main menu: background, border bars, the welcome line, four holo buttons and the close button.
#pragma once

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

    tavoTBild* _imgBackground;
    tavoTBild* _imgScores;
    tavoTBild* _imgScoresBar;
    tavoTBild* _imgCreatePlayer;
    tavoTBild* _imgPlayerMenu;
    tavoTBild* _imgBar;
    tavoTBild* _imgTopBar;
    tavoTBild* _imgBottomBar;
    tavoTBild* _imgExitButton;
    tavoTBild* _imgExitButtonHover;
    // Set when the menu is entered, or the last profile is deleted, with no profile current.
    int _askFirstProfile = 0;
    int _lastPlayer = -1;
};
