#pragma once

#include "programs/placeholders.h"

namespace vb {

class TForm24 : public PendingProgramForm
{
    Q_OBJECT
public:
    explicit TForm24(QWidget *parent = nullptr);
};

} // namespace vb
