#pragma once
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>

struct Services;

// The window registry: one instance per window class, found by the class's own name.
// Getting a window that is not loaded creates it hidden and runs its Form_Load; showing it shows
// it modeless, or raises and activates it when it is open; closing it unloads it (the window is
// deleted and forgotten), so the next show starts from its design state.
class Forms : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<QWidget*(Services&)>;

    explicit Forms(QObject* parent = nullptr);
    ~Forms() override;

    void setServices(Services* services) { services_ = services; }

    template <class T> void add() {
        addFactory(QString::fromLatin1(T::staticMetaObject.className()),
                   [](Services& s) -> QWidget* { return new T(s); });
    }
    void addFactory(const QString& name, Factory factory);
    bool isRegistered(const QString& name) const { return factories_.contains(name); }
    QStringList names() const;

    // The loaded window of that name, or nullptr; never loads it.
    QWidget* loaded(const QString& name) const;
    bool isLoaded(const QString& name) const { return loaded(name) != nullptr; }
    // Loads the window hidden when needed; nullptr for a name nobody registered.
    QWidget* get(const QString& name);
    // Shows the window modeless, loading it first; an open window is raised and activated.
    QWidget* show(const QString& name);
    // Closes the window when it is loaded (its Form_Unload runs).
    void unload(const QString& name);
    // Closes every loaded window.
    void unloadAll();

    template <class T> static QString nameOf() {
        return QString::fromLatin1(T::staticMetaObject.className());
    }
    template <class T> T* loaded() const { return qobject_cast<T*>(loaded(nameOf<T>())); }
    template <class T> T& get() {
        if (!isRegistered(nameOf<T>())) add<T>();
        return *qobject_cast<T*>(get(nameOf<T>()));
    }
    template <class T> T& show() {
        if (!isRegistered(nameOf<T>())) add<T>();
        return *qobject_cast<T*>(show(nameOf<T>()));
    }

    // Called by a window as it unloads.
    void forget(QWidget* window);

Q_SIGNALS:
    void formLoaded(const QString& name);
    void formUnloaded(const QString& name);
    // A window was shown, or raised and asked to be activated, by the program (after Form_Load
    // when it was loaded then); the window system's activation comes later.
    void formShown(const QString& name);

private:
    Services* services_ = nullptr;
    QHash<QString, Factory> factories_;
    QHash<QString, QPointer<QWidget>> live_;
};
