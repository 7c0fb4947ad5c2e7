#pragma once

// Makes the running program speak French to the user while every number it writes into a file
// keeps the decimal point. Call once the application object exists: its constructor takes the
// C library's whole locale from the environment, and libraries that format numbers with printf
// (the workbook writer) would then write "0,7" where their readers expect "0.7".
void UseProgramLocale();
