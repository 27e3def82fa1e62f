<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>CAboutDialog</name>
    <message>
        <source>About Tarvell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarvell Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Defend your land.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chaos learns as you play.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Built on Qt 6.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CChaosWindow</name>
    <message>
        <source>Record: %1 won, %2 lost (%3 won)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order by score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarvell - Chaos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each bar is one of Chaos&apos;s 250 strategies: how much better your side did than Chaos when the strategy was replayed against your positions (low is good for Chaos). Chaos plays the strategy whose score lies nearest the target; the target is 0, an even match, while you win at most half your games, and moves towards the lowest score the more you win.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulation: Chaos is replaying your last position under its 250 strategies...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulation: none running; the scores are up to date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1   Profile: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strategy in play: %1 (score %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strategy in play: none yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target the record sets now: %1 (nearest: strategy %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode in play: Classic (Chaos&apos;s purse is the same for every player)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode in play: Adaptive: Chaos&apos;s starting money and income ×%1, from your record of %2 won, %3 lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode in play: Adaptive: Chaos&apos;s starting money and income ×%1; your record of %2 won, %3 lost sets ×%4 for the next game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From the next new game: Adaptive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From the next new game: Classic</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CHowToPlayWindow</name>
    <message>
        <source>How to Play Tarvell</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>CAP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NUM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a new game
New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New User...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creates a new user profile
New User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Select User...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selects another user&apos;s profile
Select User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit the game
Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the Options Dialog
Show Options Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Chaos...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show what Chaos has learned about you
Chaos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;100 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the board at its own size
Zoom 100 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom 1&amp;50 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the board half as large again
Zoom 150 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;200 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the board at twice its size
Zoom 200 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Tarvell...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Explain the goal, the units, the barbarians and a turn
How to Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarvell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CNewUserDialog</name>
    <message>
        <source>New User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Username:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COptionsDialog</name>
    <message>
        <source>&amp;Adaptive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slowest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chaos:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A change of Chaos&apos;s mode applies from the next new game.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CRecentFileList</name>
    <message>
        <source>&amp;%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CScoreChart</name>
    <message>
        <source>strategies, lowest score (best for Chaos) first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>strategies 0 to 249</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>strategy %1 in play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>target %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strategy %1: score %2 (in play)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strategy %1: score %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTarvellDoc</name>
    <message>
        <source>Your game could not be kept in %1 (%2). It goes on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your kept game %1 cannot be read (%2). A new game starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your kept game %1 cannot be read (%2); it was set aside as %3. A new game starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarvell User (*.tvu)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your record could not be saved to %1 (%2). The games since its last save are not in it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your record could not be saved to %1 (%2). The game will try again at the next save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open %1: only Tarvell profiles (*.tvu) can be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is in use by another Tarvell (process %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTarvellView</name>
    <message>
        <source>Scout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(0-1-0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scavenger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(0-1-2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Common</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(6-3-0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amphibious</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(5-3-0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jump</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(6-2-0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kamikazee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(K) 0-10-0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Armored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(15-10-0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Treasury</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends your setup: Chaos plays one turn (F9). Asks first when more than $1000 would be left unspent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Record</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Tarvell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leaving this game counts as a loss. Are you sure?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep for later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue your game from turn %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose another user, or play without saving your record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New User...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select User...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Without Saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This user model already exists. Do you want to overwrite it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chaos has surrended. Congratulations, your forces are victorious!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your forces have been vanquished. Chaos is victorious.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is larger than %2 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game&apos;s settings cannot be read (%1). It starts with its defaults and remembers no settings this time.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnitTexts</name>
    <message>
        <source>Drone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farmer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Infantry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Armor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jammer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Artillery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a Drone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a Mine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a Farmer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an Infantry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a Settler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an Armor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a Jammer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an Artillery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheap income.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The best income, but no defence to speak of.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sturdy defender.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Income and some defence.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The strongest defender.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jams every square within 4: barbarians there learn nothing from their Scouts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scavenger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Common Barbarian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amphibious Barbarian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mobile Barbarian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jump Barbarian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kamikazee Barbarian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Armored Barbarian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fights nobody; sees Mines, Artillery cover and jammed ground, and shows fighting barbarians where it stands.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fights nobody; roams towards rich land and sites and plunders $2 plus the land&apos;s richness each time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attacks the unit ahead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attacks the unit ahead; walks on water and may arrive on it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attacks the unit ahead; acts twice a phase and senses Scouts further away.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attacks the unit ahead; jumps over what blocks it and may strike the unit behind.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acts twice a phase; destroys the unit ahead, Mines excepted, and itself with it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attacks the unit ahead; clears Mines without harm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price %1; sells for %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>income %1 a turn, more on rich land</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No game in progress: start a new game with File &gt; New Game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: never attacked. A barbarian stepping on it must survive an attack of strength 10 (the Armored Barbarian clears it unharmed). %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: attack %2, defence %3, %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fires at every barbarian within 2 squares each phase: at strength 10 or 5 on its outer ring, 5 close by.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: attack %2, defence %3. %4 Chaos pays %5 for one and gets it back if it survives the turn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your money: buy units with it between turns.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turns played. While a turn runs, its phase (0 to 49) follows in parentheses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games won and lost with this profile, and the share won.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water: nothing can be built here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impassable ground: nothing can be built here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Occupied: %1 already stands here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing of yours to sell here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough money: %1 costs %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 destroyed at (%2,%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn %1, Phase %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
