// Meteor pictures; the flight itself is still to come.
#include "match3/meteor.h"

#include "platform/sys.h"

int TMeteor::loadImages()
{
    Sys_FreeImage(img);
    img = Sys_LoadAnimImage("data/Match3/ast.png", 50, 56, 0, 16, -1);
    if (img) Sys_MidHandleImage(img);
    return 0;
}
