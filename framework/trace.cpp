// The numbered trace log: each line goes to the platform's trace with its running number.
#include "framework/trace.h"

#include "platform/sys.h"

static int s_traceCounter = 0;

void traceLog(const std::string& text)
{
    s_traceCounter += 1;
    Sys_Trace(std::to_string(s_traceCounter) + ": " + text);
}

int traceCounter() { return s_traceCounter; }
