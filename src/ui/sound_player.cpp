// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sound_player.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

namespace tally {

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

void SoundPlayer::play(const QString& path) {
    if (!player_) {
        player_ = new QMediaPlayer(this);
        output_ = new QAudioOutput(this);
        player_->setAudioOutput(output_);
    }
    player_->stop();
    player_->setSource(QUrl::fromLocalFile(path));
    player_->play();
}

}  // namespace tally
