#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

#include "fill/default_list.h"
#include "fill/word_index.h"

namespace kven {

// The words the Fill panel draws on: the lists the setter stacked (the
// default list, lists of their own over it) and an avoid list, read in the
// background whenever they change. A read under way when the choice changes
// again, or when the source is destroyed, is called off and not waited for.
class WordListSource : public QObject {
  Q_OBJECT

 public:
  explicit WordListSource(fill::DefaultListPlace place = {}, QObject* parent = nullptr);
  ~WordListSource() override;
  WordListSource(const WordListSource&) = delete;
  WordListSource& operator=(const WordListSource&) = delete;

  // Where the default list is read from; reads it again.
  void SetDefaultPlace(fill::DefaultListPlace place);
  // The default list alone.
  void UseDefault();
  // One list of the setter's own instead of the stack, or over it.
  void UseOnly(const QString& path);
  void PutOver(const QString& path);
  // An avoid list, or none for an empty path.
  void SetAvoid(const QString& path);

  // The index of the last lists read whole; none before the first.
  std::shared_ptr<const fill::WordIndex> Index() const { return index_; }
  bool Loading() const { return watcher_ != nullptr; }
  // "Word list: the default list + mine.txt; avoiding: rude.txt".
  QString Description() const;
  // How many words the lists gave, for a tooltip.
  const QString& Summary() const { return summary_; }

 signals:
  void loadingStarted();
  void loaded();
  // The lists could not be read: the message names the file. The lists
  // read before stay in use.
  void failed(const QString& message);

 private:
  struct Read;
  void Load();
  void Finished();

  fill::DefaultListPlace place_;
  QStringList lists_;     // bottom first; an empty name is the default list
  QString avoid_;
  QStringList readLists_;  // what index_ was read from
  QString readAvoid_;
  std::shared_ptr<const fill::WordIndex> index_;
  QString summary_;
  std::unique_ptr<QFutureWatcher<std::shared_ptr<Read>>> watcher_;
};

}  // namespace kven
