#include "quillmark/shell/AllScreens.h"

#include "quillmark/books/dlgCategories.h"
#include "quillmark/books/dlgCompanyInfo.h"
#include "quillmark/shell/Screens.h"

namespace quillmark {

void registerAllScreens() {
    [[maybe_unused]] Screens& screens = Screens::instance();
    // Each screen module adds one line here, e.g.
    // screens.registerScreen(QStringLiteral("dlgAbout"), [] { return new dlgAbout; });
    screens.registerScreen(QStringLiteral("dlgCategories"), [] { return new dlgCategories; });
    screens.registerScreen(QStringLiteral("dlgCompanyInfo"), [] { return new dlgCompanyInfo; });
}

} // namespace quillmark
