#pragma once

class Printer;

// The Print button: prints the digits of the grid's values and the lattice
// of lines on one page, through the printer the user picks in the print
// dialog. Every failure ends the command silently.
void printCommand(Printer& printer);

// The same on the system's printers.
void printCommand();
