// The spell was read away from the grave: nothing happens.
#pragma once

#include "ui/kit/PictureForm.h"

class TNotFindForm : public PictureForm {
    Q_OBJECT
public:
    explicit TNotFindForm(GameContext& ctx);

    void Button1Click();

protected:
    void FormShow() override;
};
