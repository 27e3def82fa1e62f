<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>BoardReading</name>
    <message>
        <source>Water</source>
        <translation>Вода</translation>
    </message>
    <message>
        <source>Lowland</source>
        <translation>Низина</translation>
    </message>
    <message>
        <source>Grassland</source>
        <translation>Луг</translation>
    </message>
    <message>
        <source>Hills</source>
        <translation>Холмы</translation>
    </message>
    <message>
        <source>High hills</source>
        <translation>Высокие холмы</translation>
    </message>
    <message>
        <source>Impassable ground</source>
        <translation>Непроходимая местность</translation>
    </message>
    <message>
        <source>Site on grassland</source>
        <translation>Месторождение на лугу</translation>
    </message>
    <message>
        <source>Site on hills</source>
        <translation>Месторождение на холмах</translation>
    </message>
    <message>
        <source>(%1,%2) %3</source>
        <translation>(%1,%2) %3</translation>
    </message>
    <message>
        <source>income %1</source>
        <translation>доход %1</translation>
    </message>
    <message>
        <source>defence %1</source>
        <translation>защита %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Your worth %1 · victory above %2 (%3 × Chaos&apos;s %4) · defeat below %5</source>
        <translation>Ваша стоимость %1 · победа выше %2 (%3 × %4 Хаоса) · поражение ниже %5</translation>
    </message>
    <message>
        <source>Your worth is your money plus your units at their full price. At the end of a turn you win when it is above the victory line and lose when it is below the defeat line. During a turn, income, your losses, and Chaos&apos;s losses and loot move both sides.</source>
        <translation>Ваша стоимость — это ваши деньги плюс юниты по полной цене. В конце хода вы побеждаете, если она выше рубежа победы, и проигрываете, если она ниже рубежа поражения. Во время хода обе стороны меняются от дохода, ваших потерь, а также потерь и добычи Хаоса.</translation>
    </message>
</context>
<context>
    <name>CAboutDialog</name>
    <message>
        <source>About Tarvell</source>
        <translation>О программе Tarvell</translation>
    </message>
    <message>
        <source>Tarvell Version %1</source>
        <translation>Tarvell, версия %1</translation>
    </message>
    <message>
        <source>Defend your land.</source>
        <translation>Защитите свою землю.</translation>
    </message>
    <message>
        <source>Chaos learns as you play.</source>
        <translation>Хаос учится, пока вы играете.</translation>
    </message>
    <message>
        <source>Built on Qt 6.</source>
        <translation>Создано на Qt 6.</translation>
    </message>
</context>
<context>
    <name>CChaosWindow</name>
    <message>
        <source>Record: %1 won, %2 lost (%3 won)</source>
        <translation>Итоги: побед %1, поражений %2 (доля побед %3)</translation>
    </message>
    <message>
        <source>Order by score</source>
        <translation>Сортировать по оценке</translation>
    </message>
    <message>
        <source>Tarvell - Chaos</source>
        <translation>Tarvell - Хаос</translation>
    </message>
    <message>
        <source>Each bar is one of Chaos&apos;s 250 strategies: how much better your side did than Chaos when the strategy was replayed against your positions (low is good for Chaos). Chaos plays the strategy whose score lies nearest the target; the target is 0, an even match, while you win at most half your games, and moves towards the lowest score the more you win.</source>
        <translation>Каждый столбец — одна из 250 стратегий Хаоса: насколько ваша сторона сыграла лучше Хаоса, когда эту стратегию переигрывали против ваших позиций (чем ниже, тем лучше для Хаоса). Хаос играет стратегией, оценка которой ближе всего к цели. Пока вы выигрываете не больше половины игр, цель равна 0 (равная игра); чем чаще вы побеждаете, тем ближе она к самой низкой оценке.</translation>
    </message>
    <message>
        <source>Simulation: Chaos is replaying your last position under its 250 strategies...</source>
        <translation>Симуляция: Хаос переигрывает вашу последнюю позицию всеми своими 250 стратегиями...</translation>
    </message>
    <message>
        <source>Simulation: none running; the scores are up to date.</source>
        <translation>Симуляция: не идёт; оценки актуальны.</translation>
    </message>
    <message>
        <source>%1   Profile: %2</source>
        <translation>%1   Профиль: %2</translation>
    </message>
    <message>
        <source>Strategy in play: %1 (score %2)</source>
        <translation>Текущая стратегия: %1 (оценка %2)</translation>
    </message>
    <message>
        <source>Strategy in play: none yet</source>
        <translation>Текущая стратегия: пока нет</translation>
    </message>
    <message>
        <source>Target the record sets now: %1 (nearest: strategy %2)</source>
        <translation>Цель, заданная вашими итогами: %1 (ближайшая — стратегия %2)</translation>
    </message>
    <message>
        <source>Mode in play: Classic (Chaos&apos;s purse is the same for every player)</source>
        <translation>Текущий режим: классический (казна Хаоса одинакова для всех игроков)</translation>
    </message>
    <message>
        <source>Mode in play: Adaptive: Chaos&apos;s starting money and income ×%1, from your record of %2 won, %3 lost</source>
        <translation>Текущий режим: адаптивный; стартовые деньги и доход Хаоса ×%1 по вашим итогам (побед %2, поражений %3)</translation>
    </message>
    <message>
        <source>Mode in play: Adaptive: Chaos&apos;s starting money and income ×%1; your record of %2 won, %3 lost sets ×%4 for the next game</source>
        <translation>Текущий режим: адаптивный; стартовые деньги и доход Хаоса ×%1; ваши итоги (побед %2, поражений %3) дают ×%4 на следующую игру</translation>
    </message>
    <message>
        <source>From the next new game: Adaptive</source>
        <translation>Со следующей новой игры: адаптивный</translation>
    </message>
    <message>
        <source>From the next new game: Classic</source>
        <translation>Со следующей новой игры: классический</translation>
    </message>
</context>
<context>
    <name>CHowToPlayWindow</name>
    <message>
        <source>How to Play Tarvell</source>
        <translation>Как играть в Tarvell</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>CAP</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>Create a new game
New Game</source>
        <translation>Начать новую игру
Новая игра</translation>
    </message>
    <message>
        <source>&amp;New User...</source>
        <translation>Новый &amp;пользователь...</translation>
    </message>
    <message>
        <source>Creates a new user profile
New User</source>
        <translation>Создать профиль нового пользователя
Новый пользователь</translation>
    </message>
    <message>
        <source>&amp;Select User...</source>
        <translation>&amp;Выбрать пользователя...</translation>
    </message>
    <message>
        <source>Selects another user&apos;s profile
Select User</source>
        <translation>Выбрать профиль другого пользователя
Выбрать пользователя</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Недавний файл</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Вы&amp;ход</translation>
    </message>
    <message>
        <source>Quit the game
Exit</source>
        <translation>Выйти из игры
Выход</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Строка состояния</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Показать или скрыть строку состояния
Строка состояния</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>Show the Options Dialog
Show Options Dialog</source>
        <translation>Открыть окно параметров
Параметры</translation>
    </message>
    <message>
        <source>&amp;Chaos...</source>
        <translation>&amp;Хаос...</translation>
    </message>
    <message>
        <source>Show what Chaos has learned about you
Chaos</source>
        <translation>Показать, что Хаос узнал о вас
Хаос</translation>
    </message>
    <message>
        <source>Zoom &amp;100 %</source>
        <translation>Масштаб &amp;100 %</translation>
    </message>
    <message>
        <source>Show the board at its own size
Zoom 100 %</source>
        <translation>Показать поле в натуральную величину
Масштаб 100 %</translation>
    </message>
    <message>
        <source>Zoom 1&amp;50 %</source>
        <translation>Масштаб 1&amp;50 %</translation>
    </message>
    <message>
        <source>Show the board half as large again
Zoom 150 %</source>
        <translation>Показать поле в полтора раза крупнее
Масштаб 150 %</translation>
    </message>
    <message>
        <source>Zoom &amp;200 %</source>
        <translation>Масштаб &amp;200 %</translation>
    </message>
    <message>
        <source>Show the board at twice its size
Zoom 200 %</source>
        <translation>Показать поле вдвое крупнее
Масштаб 200 %</translation>
    </message>
    <message>
        <source>&amp;About Tarvell...</source>
        <translation>&amp;О программе Tarvell...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Показать сведения о программе, номер версии и авторские права
О программе</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Как играть</translation>
    </message>
    <message>
        <source>Explain the goal, the units, the barbarians and a turn
How to Play</source>
        <translation>Объяснить цель игры, юниты, варваров и ход
Как играть</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Открыть этот документ</translation>
    </message>
    <message>
        <source>Tarvell</source>
        <translation>Tarvell</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>&amp;Terrain Overlay</source>
        <translation>Подписи &amp;местности</translation>
    </message>
    <message>
        <source>Write each square&apos;s income and defence bonus on the board
Terrain Overlay</source>
        <translation>Писать на поле прибавку каждой клетки к доходу и защите
Подписи местности</translation>
    </message>
    <message>
        <source>Turn &amp;Report</source>
        <translation>&amp;Отчёт о ходе</translation>
    </message>
    <message>
        <source>Show or hide the report of the last turn
Turn Report</source>
        <translation>Показать или скрыть отчёт о последнем ходе
Отчёт о ходе</translation>
    </message>
</context>
<context>
    <name>CNewUserDialog</name>
    <message>
        <source>New User</source>
        <translation>Новый пользователь</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Имя пользователя:</translation>
    </message>
</context>
<context>
    <name>COptionsDialog</name>
    <message>
        <source>&amp;Adaptive</source>
        <translation>&amp;Адаптивный</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Slowest</source>
        <translation>Медленно</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>Быстро</translation>
    </message>
    <message>
        <source>Game Speed:</source>
        <translation>Скорость игры:</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Классический</translation>
    </message>
    <message>
        <source>Chaos:</source>
        <translation>Хаос:</translation>
    </message>
    <message>
        <source>A change of Chaos&apos;s mode applies from the next new game.</source>
        <translation>Смена режима Хаоса действует со следующей новой игры.</translation>
    </message>
</context>
<context>
    <name>CRecentFileList</name>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
</context>
<context>
    <name>CScoreChart</name>
    <message>
        <source>strategies, lowest score (best for Chaos) first</source>
        <translation>стратегии, начиная с самой низкой оценки (лучшей для Хаоса)</translation>
    </message>
    <message>
        <source>strategies 0 to 249</source>
        <translation>стратегии с 0 по 249</translation>
    </message>
    <message>
        <source>strategy %1 in play</source>
        <translation>в игре стратегия %1</translation>
    </message>
    <message>
        <source>target %1</source>
        <translation>цель %1</translation>
    </message>
    <message>
        <source>Strategy %1: score %2 (in play)</source>
        <translation>Стратегия %1: оценка %2 (в игре)</translation>
    </message>
    <message>
        <source>Strategy %1: score %2</source>
        <translation>Стратегия %1: оценка %2</translation>
    </message>
</context>
<context>
    <name>CTarvellDoc</name>
    <message>
        <source>Your game could not be kept in %1 (%2). It goes on.</source>
        <translation>Не удалось отложить вашу игру в %1 (%2). Игра продолжается.</translation>
    </message>
    <message>
        <source>Your kept game %1 cannot be read (%2). A new game starts.</source>
        <translation>Не удаётся прочитать отложенную игру %1 (%2). Начинается новая игра.</translation>
    </message>
    <message>
        <source>Your kept game %1 cannot be read (%2); it was set aside as %3. A new game starts.</source>
        <translation>Не удаётся прочитать отложенную игру %1 (%2); файл перемещён в %3. Начинается новая игра.</translation>
    </message>
    <message>
        <source>Tarvell User (*.tvu)</source>
        <translation>Профиль Tarvell (*.tvu)</translation>
    </message>
    <message>
        <source>Your record could not be saved to %1 (%2). The games since its last save are not in it.</source>
        <translation>Не удалось сохранить ваши итоги в %1 (%2). Игры после последнего сохранения в них не вошли.</translation>
    </message>
    <message>
        <source>Your record could not be saved to %1 (%2). The game will try again at the next save.</source>
        <translation>Не удалось сохранить ваши итоги в %1 (%2). Игра попробует снова при следующем сохранении.</translation>
    </message>
    <message>
        <source>Cannot open %1: only Tarvell profiles (*.tvu) can be opened.</source>
        <translation>Не удаётся открыть %1: открывать можно только профили Tarvell (*.tvu).</translation>
    </message>
    <message>
        <source>%1 is in use by another Tarvell (process %2).</source>
        <translation>%1 занят другой копией Tarvell (процесс %2).</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>это папка</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>Не удаётся открыть %1: %2.</translation>
    </message>
</context>
<context>
    <name>CTarvellView</name>
    <message>
        <source>Scout</source>
        <translation>Разведчик</translation>
    </message>
    <message>
        <source>(0-1-0)</source>
        <translation>(0-1-0)</translation>
    </message>
    <message>
        <source>Scavenger</source>
        <translation>Мародёр</translation>
    </message>
    <message>
        <source>(0-1-2)</source>
        <translation>(0-1-2)</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Обычный</translation>
    </message>
    <message>
        <source>(6-3-0)</source>
        <translation>(6-3-0)</translation>
    </message>
    <message>
        <source>Amphibious</source>
        <translation>Амфибия</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Подвижный</translation>
    </message>
    <message>
        <source>(5-3-0)</source>
        <translation>(5-3-0)</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Прыгун</translation>
    </message>
    <message>
        <source>(6-2-0)</source>
        <translation>(6-2-0)</translation>
    </message>
    <message>
        <source>Kamikazee</source>
        <translation>Камикадзе</translation>
    </message>
    <message>
        <source>(K) 0-10-0)</source>
        <translation>(K) 0-10-0)</translation>
    </message>
    <message>
        <source>Armored</source>
        <translation>Латник</translation>
    </message>
    <message>
        <source>(15-10-0)</source>
        <translation>(15-10-0)</translation>
    </message>
    <message>
        <source>Treasury</source>
        <translation>Казна</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Ход</translation>
    </message>
    <message>
        <source>End Setup</source>
        <translation>Начать ход</translation>
    </message>
    <message>
        <source>Ends your setup: Chaos plays one turn (F9). Asks first when more than $1000 would be left unspent.</source>
        <translation>Завершает расстановку: Хаос играет один ход (F9). Если останется неистраченным больше $1000, сначала спросит.</translation>
    </message>
    <message>
        <source>Your Record</source>
        <translation>Ваши итоги</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Поле</translation>
    </message>
</context>
<context>
    <name>CTurnReportDock</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Turn Report</source>
        <translation>Отчёт о ходе</translation>
    </message>
    <message>
        <source>No turn has been shown yet.</source>
        <translation>Ни один ход ещё не показан.</translation>
    </message>
    <message>
        <source>Turn %1</source>
        <translation>Ход %1</translation>
    </message>
    <message>
        <source>Income earned: %1</source>
        <translation>Получен доход: %1</translation>
    </message>
    <message>
        <source>Sold to make room: %1 at (%2,%3) for %4</source>
        <translation>Продано, чтобы освободить место: %1 на клетке (%2,%3) за %4</translation>
    </message>
    <message>
        <source>Units lost: %1</source>
        <translation>Потеряно юнитов: %1</translation>
    </message>
    <message>
        <source>Pick a lost unit to outline its square on the board.</source>
        <translation>Выберите потерянный юнит, чтобы обвести его клетку на поле.</translation>
    </message>
    <message>
        <source>%1 at (%2,%3), phase %4</source>
        <translation>%1 на клетке (%2,%3), фаза %4</translation>
    </message>
    <message>
        <source>Barbarians bought: %1 for %2</source>
        <translation>Куплено варваров: %1 за %2</translation>
    </message>
    <message>
        <source>Barbarians destroyed: %1</source>
        <translation>Уничтожено варваров: %1</translation>
    </message>
    <message>
        <source>Barbarians gone home: %1, with %2 of loot</source>
        <translation>Ушло домой варваров: %1, с добычей на %2</translation>
    </message>
    <message>
        <source>Chaos&apos;s gain: %1</source>
        <translation>Прибыль Хаоса: %1</translation>
    </message>
    <message>
        <source>The loot and prices of the barbarians gone home, less what Chaos spent on barbarians. Chaos&apos;s income for the next turn comes on top.</source>
        <translation>Добыча и цена варваров, ушедших домой, за вычетом того, что Хаос потратил на варваров. Доход Хаоса на следующий ход добавляется сверху.</translation>
    </message>
    <message>
        <source>Destruction reports: %1</source>
        <translation>Сообщения об уничтожении: %1</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Tarvell</source>
        <translation>Tarvell</translation>
    </message>
    <message>
        <source>Leaving this game counts as a loss. Are you sure?</source>
        <translation>Выход из этой игры засчитывается как поражение. Вы уверены?</translation>
    </message>
    <message>
        <source>Continue your game from turn %1?</source>
        <translation>Продолжить вашу игру с хода %1?</translation>
    </message>
    <message>
        <source>Choose another user, or play without saving your record.</source>
        <translation>Выберите другого пользователя или играйте без сохранения итогов.</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Вы уверены?</translation>
    </message>
    <message>
        <source>This user model already exists. Do you want to overwrite it?</source>
        <translation>Такой профиль пользователя уже существует. Перезаписать его?</translation>
    </message>
    <message>
        <source>Chaos has surrended. Congratulations, your forces are victorious!</source>
        <translation>Хаос сдался. Поздравляем, ваши войска победили!</translation>
    </message>
    <message>
        <source>Your forces have been vanquished. Chaos is victorious.</source>
        <translation>Ваши войска разгромлены. Хаос победил.</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;NO</source>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>&amp;Keep for later</source>
        <translation>&amp;Отложить</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>&amp;New User...</source>
        <translation>&amp;Новый пользователь...</translation>
    </message>
    <message>
        <source>&amp;Select User...</source>
        <translation>&amp;Выбрать пользователя...</translation>
    </message>
    <message>
        <source>&amp;Play Without Saving</source>
        <translation>&amp;Играть без сохранения</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 — это папка</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 — не обычный файл</translation>
    </message>
    <message>
        <source>%1 is larger than %2 bytes</source>
        <translation>%1: размер больше %2 байт</translation>
    </message>
    <message>
        <source>The game&apos;s settings cannot be read (%1). It starts with its defaults and remembers no settings this time.</source>
        <translation>Не удаётся прочитать настройки игры (%1). Игра запускается с настройками по умолчанию и в этот раз не запомнит изменений.</translation>
    </message>
</context>
<context>
    <name>UnitTexts</name>
    <message>
        <source>Drone</source>
        <translation>Дрон</translation>
    </message>
    <message>
        <source>Mine</source>
        <translation>Мина</translation>
    </message>
    <message>
        <source>Farmer</source>
        <translation>Фермер</translation>
    </message>
    <message>
        <source>Infantry</source>
        <translation>Пехота</translation>
    </message>
    <message>
        <source>Settler</source>
        <translation>Поселенец</translation>
    </message>
    <message>
        <source>Armor</source>
        <translation>Танк</translation>
    </message>
    <message>
        <source>Jammer</source>
        <translation>Глушилка</translation>
    </message>
    <message>
        <source>Artillery</source>
        <translation>Пушка</translation>
    </message>
    <message>
        <source>a Drone</source>
        <translation>дрон</translation>
    </message>
    <message>
        <source>a Mine</source>
        <translation>мина</translation>
    </message>
    <message>
        <source>a Farmer</source>
        <translation>фермер</translation>
    </message>
    <message>
        <source>an Infantry</source>
        <translation>пехота</translation>
    </message>
    <message>
        <source>a Settler</source>
        <translation>поселенец</translation>
    </message>
    <message>
        <source>an Armor</source>
        <translation>танк</translation>
    </message>
    <message>
        <source>a Jammer</source>
        <translation>глушилка</translation>
    </message>
    <message>
        <source>an Artillery</source>
        <translation>пушка</translation>
    </message>
    <message>
        <source>Cheap income.</source>
        <translation>Дешёвый доход.</translation>
    </message>
    <message>
        <source>The best income, but no defence to speak of.</source>
        <translation>Лучший доход, но защиты почти никакой.</translation>
    </message>
    <message>
        <source>A sturdy defender.</source>
        <translation>Стойкий защитник.</translation>
    </message>
    <message>
        <source>Income and some defence.</source>
        <translation>Доход и немного защиты.</translation>
    </message>
    <message>
        <source>The strongest defender.</source>
        <translation>Самый сильный защитник.</translation>
    </message>
    <message>
        <source>Jams every square within 4: barbarians there learn nothing from their Scouts.</source>
        <translation>Глушит все клетки в радиусе 4: варвары там ничего не узнают от своих разведчиков.</translation>
    </message>
    <message>
        <source>Scout</source>
        <translation>Разведчик</translation>
    </message>
    <message>
        <source>Scavenger</source>
        <translation>Мародёр</translation>
    </message>
    <message>
        <source>Common Barbarian</source>
        <translation>Обычный варвар</translation>
    </message>
    <message>
        <source>Amphibious Barbarian</source>
        <translation>Варвар-амфибия</translation>
    </message>
    <message>
        <source>Mobile Barbarian</source>
        <translation>Подвижный варвар</translation>
    </message>
    <message>
        <source>Jump Barbarian</source>
        <translation>Варвар-прыгун</translation>
    </message>
    <message>
        <source>Kamikazee Barbarian</source>
        <translation>Варвар-камикадзе</translation>
    </message>
    <message>
        <source>Armored Barbarian</source>
        <translation>Варвар-латник</translation>
    </message>
    <message>
        <source>Fights nobody; sees Mines, Artillery cover and jammed ground, and shows fighting barbarians where it stands.</source>
        <translation>Ни с кем не сражается; видит мины, зону обстрела пушек и заглушённые клетки и показывает боевым варварам, где стоит.</translation>
    </message>
    <message>
        <source>Fights nobody; roams towards rich land and sites and plunders $2 plus the land&apos;s richness each time.</source>
        <translation>Ни с кем не сражается; бродит в поисках богатых земель и месторождений и каждый раз грабит $2 плюс богатство земли.</translation>
    </message>
    <message>
        <source>Attacks the unit ahead.</source>
        <translation>Атакует юнит впереди.</translation>
    </message>
    <message>
        <source>Attacks the unit ahead; walks on water and may arrive on it.</source>
        <translation>Атакует юнит впереди; ходит по воде и может на ней появиться.</translation>
    </message>
    <message>
        <source>Attacks the unit ahead; acts twice a phase and senses Scouts further away.</source>
        <translation>Атакует юнит впереди; действует дважды за фазу и чует разведчиков с большего расстояния.</translation>
    </message>
    <message>
        <source>Attacks the unit ahead; jumps over what blocks it and may strike the unit behind.</source>
        <translation>Атакует юнит впереди; перепрыгивает через препятствие и может ударить юнит за ним.</translation>
    </message>
    <message>
        <source>Acts twice a phase; destroys the unit ahead, Mines excepted, and itself with it.</source>
        <translation>Действует дважды за фазу; уничтожает юнит впереди (кроме мин) и гибнет вместе с ним.</translation>
    </message>
    <message>
        <source>Attacks the unit ahead; clears Mines without harm.</source>
        <translation>Атакует юнит впереди; обезвреживает мины без вреда для себя.</translation>
    </message>
    <message>
        <source>$%1</source>
        <translation>$%1</translation>
    </message>
    <message>
        <source>Price %1; sells for %2.</source>
        <translation>Цена %1; продаётся за %2.</translation>
    </message>
    <message>
        <source>no income</source>
        <translation>без дохода</translation>
    </message>
    <message>
        <source>income %1 a turn, more on rich land</source>
        <translation>доход %1 за ход, больше на богатой земле</translation>
    </message>
    <message>
        <source>No game in progress: start a new game with File &gt; New Game.</source>
        <translation>Нет текущей игры: начните новую через Файл &gt; Новая игра.</translation>
    </message>
    <message>
        <source>%1: never attacked. A barbarian stepping on it must survive an attack of strength 10 (the Armored Barbarian clears it unharmed). %2</source>
        <translation>%1: её никогда не атакуют. Варвар, наступивший на неё, должен пережить атаку силой 10 (варвар-латник обезвреживает её без вреда для себя). %2</translation>
    </message>
    <message>
        <source>%1: attack %2, defence %3, %4.</source>
        <translation>%1: атака %2, защита %3, %4.</translation>
    </message>
    <message>
        <source>Fires at every barbarian within 2 squares each phase: at strength 10 or 5 on its outer ring, 5 close by.</source>
        <translation>Каждую фазу стреляет по всем варварам в пределах 2 клеток: на внешнем кольце с силой 10 или 5, вблизи с силой 5.</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1: attack %2, defence %3. %4 Chaos pays %5 for one and gets it back if it survives the turn.</source>
        <translation>%1: атака %2, защита %3. %4 Хаос платит за каждого %5 и получает деньги обратно, если тот переживёт ход.</translation>
    </message>
    <message>
        <source>Your money: buy units with it between turns.</source>
        <translation>Ваши деньги: покупайте на них юниты между ходами.</translation>
    </message>
    <message>
        <source>Turns played. While a turn runs, its phase (0 to 49) follows in parentheses.</source>
        <translation>Число сыгранных ходов. Пока идёт ход, в скобках показана его фаза (от 0 до 49).</translation>
    </message>
    <message>
        <source>Games won and lost with this profile, and the share won.</source>
        <translation>Выигранные и проигранные в этом профиле игры и доля побед.</translation>
    </message>
    <message>
        <source>Water: nothing can be built here.</source>
        <translation>Вода: здесь ничего нельзя разместить.</translation>
    </message>
    <message>
        <source>Impassable ground: nothing can be built here.</source>
        <translation>Непроходимая местность: здесь ничего нельзя разместить.</translation>
    </message>
    <message>
        <source>Occupied: %1 already stands here.</source>
        <translation>Занято: здесь уже стоит %1.</translation>
    </message>
    <message>
        <source>Nothing of yours to sell here.</source>
        <translation>Здесь нет вашего юнита для продажи.</translation>
    </message>
    <message>
        <source>Not enough money: %1 costs %2.</source>
        <translation>Не хватает денег: %1 стоит %2.</translation>
    </message>
    <message>
        <source>%1 destroyed at (%2,%3).</source>
        <translation>Уничтожено: %1 на клетке (%2,%3).</translation>
    </message>
    <message>
        <source>Turn %1, Phase %2: %3</source>
        <translation>Ход %1, фаза %2: %3</translation>
    </message>
</context>
</TS>
