// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/state/work_under_way.h"

WorkUnderWay::Token::Token(WorkUnderWay &work, Kind kind) : work_(work), kind_(kind)
{
    ++work_.pieces_;
    if (kind_ == Kind::Operation)
        ++work_.operations_;
}

WorkUnderWay::Token::~Token()
{
    if (kind_ == Kind::Operation)
        --work_.operations_;
    if (--work_.pieces_ == 0)
        emit work_.idle();
}
