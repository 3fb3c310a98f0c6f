#pragma once
// Read, program and compare of one memory area (system parameters, control phones)
// from a page of its own: identify, model and version checks, password, then the
// area operation, each step on a link worker while the window keeps repainting.

#include <QLabel>
#include <QProgressBar>

namespace zel {

class TForm1;

enum class AreaTransfer { Read, Program, Compare };

struct AreaTransferTarget {
    int area = 0;
    QLabel* statusLabel = nullptr;       // the worker's texts, in their colours
    QProgressBar* progressBar = nullptr;
};

// Runs one transfer against the window's controller. Returns true when the area
// operation itself succeeded (for Compare: the data are equal).
bool RunAreaTransfer(TForm1& window, AreaTransfer kind, const AreaTransferTarget& target);

} // namespace zel
