#pragma once
// Form tests need one QApplication for the whole test binary (offscreen under ctest).

namespace tallowby::test {

// Creates the application on first use; later calls return at once.
void EnsureQtApplication();

}  // namespace tallowby::test
