#include "ui/Hilfe.h"

namespace kalumbo {

THilfe::THilfe(QWidget* Eltern) : QFrame(Eltern)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setAutoFillBackground(true);
}

} // namespace kalumbo
