#pragma once

#include "programs/placeholders.h"

namespace vb {

class TForm27 : public PendingProgramForm
{
    Q_OBJECT
public:
    explicit TForm27(QWidget *parent = nullptr);
};

} // namespace vb
