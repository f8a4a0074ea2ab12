#pragma once
// The desktop's request to close a window (a window manager's close, Alt+F4). It comes when the person makes
// it, while play may be drawing a move or a box be open; who hears of it, and when, is settled here. What a
// window answers is its own.
class QObject;
class QWidget;

namespace zp {

// `window` is told of every close of the desktop as soon as the program reads it, in a quiet pause, beside a
// box or while a box blocks it, and puts its answer off itself: so a close made while its answer is pending
// adds nothing. Any other window hears of its close once the pause is over and no box blocks it.
void deliverDesktopClosesAtOnce(QWidget* window);
bool getsDesktopClosesAtOnce(const QObject* window);

} // namespace zp
