#include "app/word_list_source.h"

#include <QFileInfo>
#include <QPromise>
#include <QtConcurrent/QtConcurrentRun>

#include "app/fill_panel_texts.h"
#include "fill/word_sources.h"

namespace kven {

struct WordListSource::Read {
  fill::SourcesLoad load;
  std::shared_ptr<const fill::WordIndex> index;
  std::string summary;
};

WordListSource::WordListSource(fill::DefaultListPlace place, QObject* parent)
    : QObject(parent), place_(std::move(place)), lists_{QString()} {}

WordListSource::~WordListSource() {
  if (watcher_) watcher_->future().cancel();
}

void WordListSource::SetDefaultPlace(fill::DefaultListPlace place) {
  place_ = std::move(place);
  Load();
}

void WordListSource::UseDefault() {
  lists_ = QStringList{QString()};
  Load();
}

void WordListSource::UseOnly(const QString& path) {
  lists_ = QStringList{path};
  Load();
}

void WordListSource::PutOver(const QString& path) {
  lists_.append(path);
  Load();
}

void WordListSource::SetAvoid(const QString& path) {
  avoid_ = path;
  Load();
}

QString WordListSource::Description() const {
  QStringList names;
  for (const QString& list : readLists_)
    names << (list.isEmpty() ? QString(fill_text::DefaultListName) : QFileInfo(list).fileName());
  QString text = QString(fill_text::ListsInUse).arg(names.join(QStringLiteral(" + ")));
  if (!readAvoid_.isEmpty()) text += QString(fill_text::Avoiding).arg(QFileInfo(readAvoid_).fileName());
  return text;
}

void WordListSource::Load() {
  if (watcher_) {
    // What is being read is no longer wanted.
    watcher_->disconnect();
    watcher_->future().cancel();
    watcher_.release()->deleteLater();
  }
  fill::WordSources sources;
  for (const QString& list : lists_)
    sources.lists.push_back(list.isEmpty() ? std::string(fill::DefaultListName) : list.toStdString());
  if (!avoid_.isEmpty()) sources.avoid.push_back(avoid_.toStdString());
  sources.place = place_;
  watcher_ = std::make_unique<QFutureWatcher<std::shared_ptr<Read>>>();
  connect(watcher_.get(), &QFutureWatcher<std::shared_ptr<Read>>::finished, this, &WordListSource::Finished);
  watcher_->setProperty("lists", lists_);
  watcher_->setProperty("avoid", avoid_);
  watcher_->setFuture(QtConcurrent::run([sources](QPromise<std::shared_ptr<Read>>& promise) {
    auto read = std::make_shared<Read>();
    fill::WordList words;
    read->load = fill::LoadWords(sources, words, [&promise] { return promise.isCanceled(); });
    if (read->load.result.status == fill::LoadStatus::Loaded) {
      read->summary = fill::ListSummary(words);
      read->index = std::make_shared<const fill::WordIndex>(words);
    }
    promise.addResult(std::move(read));
  }));
  emit loadingStarted();
}

void WordListSource::Finished() {
  // Deleted once its signal is over.
  QFutureWatcher<std::shared_ptr<Read>>* done = watcher_.release();
  done->deleteLater();
  if (done->future().resultCount() == 0) return;
  const std::shared_ptr<Read> read = done->future().result();
  if (read->load.result.status != fill::LoadStatus::Loaded) {
    // The lists read before stay in use, and so does their choice.
    lists_ = readLists_.isEmpty() ? QStringList{QString()} : readLists_;
    avoid_ = readAvoid_;
    emit failed(QString::fromStdString(read->load.result.message));
    return;
  }
  index_ = read->index;
  readLists_ = done->property("lists").toStringList();
  readAvoid_ = done->property("avoid").toString();
  summary_ = QString::fromStdString(read->summary);
  emit loaded();
}

}  // namespace kven
