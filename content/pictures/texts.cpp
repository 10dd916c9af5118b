// The English text table and the splash page configuration.
#include "content/pictures/painters.h"

namespace art {

const std::vector<std::pair<std::string, std::string>>& textTable()
{
    static const std::vector<std::pair<std::string, std::string>> t = {
        // Shell.
        {"pause", "Paused"},
        {"clicktocontinue", "Click to continue"},
        {"chapter", "Chapter"},
        {"game", "Game"},
        // Main menu.
        {"welcome", "Welcome,"},
        {"defaultplayer", "traveller"},
        {"startgame", "Start"},
        {"player", "Player"},
        {"champions", "Champions"},
        {"options", "Options"},
        // Level map and preview.
        {"play", "Play"},
        {"besttime", "Best time:"},
        {"by", "by"},
        {"nobesttime", "No best time yet - be the first!"},
        {"alllevelsdone", "Every land is explored!"},
        {"levelmissing", "This game could not be loaded:"},
        // Victory.
        {"pointsinthislevel", "Points in this level"},
        {"pointsinthisgame", "Points in this journey"},
        {"smasheddirt", "Moss cleared"},
        {"timebonus", "Time bonus"},
        {"dayover", "Well done!"},
        {"ok", "OK"},
        // Power-ups.
        {"powerupready", "Ready!"},
        {"powerupnotready", "Not ready yet"},
        {"powerupnotenoughpoints", "Not enough points"},
        {"powerupbusy", "Wait a moment..."},
        {"powerupunlocked", "Unlocked!"},
        {"useitfor", "Use it for"},
        {"unlockitfor", "Unlock it for"},
        // Player menu.
        {"playermenu", "Travellers"},
        {"points", "Points"},
        {"newplayer", "New player"},
        {"delete", "Delete"},
        {"delplayersure", "Really delete this traveller?"},
        {"delplayersure2", "The journey so far will be lost."},
        {"noname", "Traveller"},
        {"back", "Back"},
        // Dialogs.
        {"yes", "Yes"},
        {"no", "No"},
        {"next", "Next"},
        {"continue", "Continue"},
        {"exit", "Exit"},
        {"menu", "Menu"},
        {"help", "Help"},
        {"credits", "Credits"},
        {"creditstext",
         "%n%n%nA journey across the lost continent%n%nIdea, art, sound and code%nthe Lantern Works crew%n%n"
         "Fonts: Leckerli One, Lobster,%nQuicksand, Comfortaa, DejaVu%n%nThank you for playing!"},
        {"exitquestion", "Leave the game?"},
        {"exitsure", "Do you really want to stop for today?"},
        {"exitsave", "Your journey is saved."},
        {"newgame", "New journey"},
        {"newgame2", "Start the expedition from the very beginning?"},
        {"newgame3", "Your points and the lands you explored"},
        {"newgame4", "will be reset."},
        {"resumegame", "Continue"},
        {"wantresume", "Welcome back!%nContinue your journey%nor start a new one?"},
        {"enterplayername", "What is your name, traveller?"},
        {"gridspace", "Space"},
        {"griddelete", "Delete"},
        {"rank", "Rank"},
        {"name", "Name"},
        {"level", "Level"},
        {"music", "Music"},
        {"sound", "Sound"},
        {"loud", "loud"},
        {"quiet", "quiet"},
        {"fullscreen", "Full screen"},
        {"gfxcursor", "Game pointer"},
        {"showhelp", "Show help"},
        // Help pages.
        {"journeydone", "Your journey is complete! Pick any game on the map to play it again."},
        {"helproadmaptitle", "The Map"},
        {"helproadmaptext",
         "This is the map of Morvelle, the lost continent.%n%nEvery point on the path is one game.%n"
         "The glowing point is the next one to play.%n%nClick a point to look at a game you have reached,%n"
         "or press Start to go on with your journey.%n%nEvery tenth game finishes a land%n"
         "and opens the way to the next one."},
        {"helpplaytitle", "How to Play"},
        {"helpplaytext",
         "Swap two neighbouring gems to make a line of three or more.%n"
         "The line vanishes and the gems above fall into its place.%n%n"
         "Collect the gems shown at the top%nto finish the game."},
        {"helpdirttitle", "Clear the Moss"},
        {"helpdirttext",
         "Swap two neighbouring gems to make a line of three or more.%n"
         "A line on mossy cells clears the moss beneath it.%n%n"
         "Clear all the moss and collect the gems shown at the top%nto finish the game."},
        {"helpbombstitle", "Bombs"},
        {"helpbombstext",
         "Line up five golden gems%nand a bomb appears.%nClick the bomb%n"
         "and it clears everything%naround it!"},
        {"helpstonetitle", "Stones and Doors"},
        {"helpstonetext",
         "Stones block the way. They cannot be moved,%nbut a match right next to them breaks them.%n"
         "Doors break the same way and leave a surprise behind."},
        {"helppowerupremovelinetitle", "Power-up: Clear a Line"},
        {"helppowerupremovelinetext",
         "Click the button, then click a gem:%nits whole row vanishes at once.%n"
         "Unlock it with your points; after the first use%neach use costs a few points."},
        {"helppowerupremovesameitemstitle", "Power-up: Gem Magnet"},
        {"helppowerupremovesameitemstext",
         "Click the button, then click a gem:%nevery gem of that kind leaves the board.%n"
         "Perfect for collecting the gems you still need."},
        {"helppowerupthrowexplosivetitle", "Power-up: Fire Comet"},
        {"helppowerupthrowexplosivetext",
         "Click the button and a comet falls on the board,%nturning a gem into a bomb.%n"
         "Great when the moss hides in a corner."},
        {"helppowerupreplaceallitemstitle", "Power-up: Shuffle"},
        {"helppowerupreplaceallitemstext",
         "Stuck? Click the button%nand every gem on the board%nis replaced by a new one.%n"
         "Stones and doors stay where they are."},
    };
    return t;
}

std::string splashConfig()
{
    // Line feeds only: a value read up to the line feed must not keep a carriage return.
    return "page=1\nfile=studio.jpg\ntime=160\nskip=True\n;---\n"
           "page=2\nfile=title.jpg\ntime=200\nskip=True\n";
}

bool writeTexts(const std::string& dataDir)
{
    std::string s = "\xEF\xBB\xBF# Morvelle - English texts: key=text, \"%n\" breaks a centred line.\r\n";
    for (const auto& [k, v] : textTable()) s += k + "=" + v + "\r\n";
    bool ok = writeFile(dataDir + "texts/codetexts.txt", std::vector<uint8_t>(s.begin(), s.end()));
    std::string c = splashConfig();
    ok = writeFile(dataDir + "branding/splashconfig.txt", std::vector<uint8_t>(c.begin(), c.end())) && ok;
    return ok;
}

}  // namespace art
