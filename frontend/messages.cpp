// Floating messages stand-in.
#include "frontend/messages.h"

int tavoTMessageHandler::addMessage(const std::string&, float, float) { return 0; }
int tavoTMessageHandler::Update() { return 0; }
