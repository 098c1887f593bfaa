#pragma once

#include "programs/placeholders.h"

namespace vb {

class TForm25 : public PendingProgramForm
{
    Q_OBJECT
public:
    explicit TForm25(QWidget *parent = nullptr);
};

} // namespace vb
