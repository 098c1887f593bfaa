#pragma once

#include "programs/placeholders.h"

namespace vb {

class TForm28 : public PendingProgramForm
{
    Q_OBJECT
public:
    explicit TForm28(QWidget *parent = nullptr);
};

} // namespace vb
