#include "app/application.h"

namespace app {

std::unique_ptr<ui::TForm1> StartApplication(install::AppState& state, platform::Platform& platform) {
    auto form = std::make_unique<ui::TForm1>(state, platform);
    form->Dispatch(&ui::TForm1::FormCreate);
    form->Show();
    return form;
}

int RunApplication(install::AppState& state, platform::Platform& platform) {
    return StartApplication(state, platform)->Run();
}

} // namespace app
