// Entry point: create, loop, quit.
#include "app/globals.h"
#include "app/launch.h"
#include "app/mainloop.h"

int main(int argc, char** argv)
{
    GameOptions opt;
    for (int i = 0; i < argc; ++i) opt.args.push_back(argv[i]);
    int status = prepareLaunch(opt);
    if (status >= 0) return status;
    status = startGame(opt);
    if (status >= 0) return status;
    do {
        mainLoopPass(true);
    } while (g_quit != 1);
    quitGame();
    shutdownGame();
    return 0;
}
