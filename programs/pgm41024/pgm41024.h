#pragma once

#include "programs/placeholders.h"

namespace vb {

class TForm26 : public PendingProgramForm
{
    Q_OBJECT
public:
    explicit TForm26(QWidget *parent = nullptr);
};

} // namespace vb
