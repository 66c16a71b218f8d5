#pragma once
// Libraries built for AVX (parts of the GUI toolkit among them) can return with the upper
// halves of the vector registers in use. Until that state is cleared, every plain SSE
// instruction of the models pays a transition penalty: measured here, a propagation took
// 2.5 us instead of 0.3 us after a GUI application had been set up. The models clear it on
// entry; on processors without AVX, and on other architectures, this does nothing.
namespace orbit {

void ClearUpperVectorState();

}  // namespace orbit
