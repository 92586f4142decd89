// Part pictures of a bill: the core renders a picture of the part in a bill
// row into a bitmap file, showing a progress dialog while a bill's pictures
// are made.
//
// Zrl_Bill stands for the core's bill: here it carries the size of the
// pictures and the folder they are written to, and counts the pictures made.
#pragma once

#include "platform/core/zrl_string.h"
#include "platform/core/zrl_stringarray.h"

class AcTransaction;

class Zrl_Bill {
public:
    Zrl_Bill() = default;
    virtual ~Zrl_Bill() = default;

    int imageWidth = 64;
    int imageHeight = 48;
    // Where pictures are written; empty: the system's temporary folder.
    Zrl_String imageFolder;
    // Rows whose first cell is this text get no picture (rendering fails).
    Zrl_String noImageMark = L"-";
    int imagesMade = 0;
};

// Writes a bitmap of the part in `cells` and gives its path. The five
// parameters are the caller's rendering options, passed through by reference.
// False (path empty) when the bill or transaction is missing or the row has
// no part to show.
bool createImage(const Zrl_StringArray& cells, Zrl_String& imagePath, int& view, int& count,
                 int& options, bool& shaded, bool& framed, Zrl_Bill* bill,
                 AcTransaction* transaction);

// The progress dialog of picture making: opened for `count` steps, closed.
void initBMPDialog(int count);
void closeBMPDialog();
// Whether the progress dialog is open, and the count it was opened with.
bool bmpDialogOpen();
int bmpDialogCount();
