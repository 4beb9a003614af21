#pragma once
// The application's style and palette: a calm mid-grey around the viewports,
// so that the eye stays on the model and its selection colours.
class QApplication;

void applyTavoLook(QApplication& app);
