// Qt must never see a C++ exception: every place where Qt calls into the layer runs its
// work through Guarded, which hands an escaping exception to the application's standard
// report and goes on.
#pragma once

#include <exception>

void ReportException(std::exception_ptr error);

template <typename F>
void Guarded(F&& work) {
  try {
    work();
  } catch (...) {
    ReportException(std::current_exception());
  }
}
