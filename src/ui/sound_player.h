// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QString>

class QAudioOutput;
class QMediaPlayer;

namespace tally {

// Plays one sound file at a time; a new sound replaces the one playing. The
// media stack is set up at the first sound, not at start.
class SoundPlayer : public QObject {
    Q_OBJECT

public:
    explicit SoundPlayer(QObject* parent = nullptr);
    void play(const QString& path);

private:
    QMediaPlayer* player_ = nullptr;
    QAudioOutput* output_ = nullptr;
};

}  // namespace tally
