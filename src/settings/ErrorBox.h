#pragma once

// Store failures shown as the program shows them: a critical message box over
// the active window, under the application's title, waiting for OK.
void installErrorBox();
