#pragma once

// Opens the French manual installed beside the program in the system's browser. A missing
// manual is not reported.
void OpenHelp();
