// Floating messages: each rises one pixel a frame, fades with the cosine of its age and goes at age 45.
#include "frontend/messages.h"

#include "framework/globals.h"
#include "fonts/bitmapfont.h"
#include "platform/sys.h"

int tavoTMessageHandler::addMessage(const std::string& text, float x, float y)
{
    if (y <= 0) return 0;
    tavoTMessage m;
    m.text = text;
    m.x = x;
    m.y = y;
    m.r = 1;
    _listMessages.push_back(m);
    return 0;
}

int tavoTMessageHandler::Update()
{
    // Old messages leave a negative alpha behind, which would hide whatever is drawn next.
    const SysDrawStateGuard keep(SysDrawStateGuard::ALPHA);
    const float a = keep.saved().color_alpha;
    for (auto it = _listMessages.begin(); it != _listMessages.end();) {
        tavoTMessage& m = *it;
        m.r += 1;
        m.y -= 1;
        Sys_SetAlpha(Sys_Cos(4.0f * (float)m.r) * a);
        float tw = (float)g_fontText->GetTxtWidth(m.text);
        if (m.x + tw > 1024) m.x = 1024 - tw;
        g_fontText->DrawText(m.text, m.x, m.y, 1, 0);
        if (m.r == 45) it = _listMessages.erase(it);
        else ++it;
    }
    return 0;
}
