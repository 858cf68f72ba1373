#include "ui/filter_registration.h"

#include "ui/ui_module.h"

namespace ui {

bool FilterRegistration::Register(MessageFilter& filter)
{
    Reset();
    loop_ = TheUiModule().GetMessageLoop();
    if (loop_ == nullptr) {
        return false;
    }
    filter_ = &filter;
    loop_->AddMessageFilter(filter_);
    return true;
}

void FilterRegistration::Reset()
{
    if (loop_ != nullptr) {
        loop_->RemoveMessageFilter(filter_);
        loop_ = nullptr;
        filter_ = nullptr;
    }
}

}  // namespace ui
