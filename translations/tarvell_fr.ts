<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>BoardReading</name>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Lowland</source>
        <translation>Plaine basse</translation>
    </message>
    <message>
        <source>Grassland</source>
        <translation>Prairie</translation>
    </message>
    <message>
        <source>Hills</source>
        <translation>Collines</translation>
    </message>
    <message>
        <source>High hills</source>
        <translation>Hautes collines</translation>
    </message>
    <message>
        <source>Impassable ground</source>
        <translation>Terrain infranchissable</translation>
    </message>
    <message>
        <source>Site on grassland</source>
        <translation>Site sur prairie</translation>
    </message>
    <message>
        <source>Site on hills</source>
        <translation>Site sur collines</translation>
    </message>
    <message>
        <source>(%1,%2) %3</source>
        <translation>(%1, %2) %3</translation>
    </message>
    <message>
        <source>income %1</source>
        <translation>revenu %1</translation>
    </message>
    <message>
        <source>defence %1</source>
        <translation>défense %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
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
        <translation>Votre valeur %1 · victoire au-dessus de %2 (%3 × les %4 de Chaos) · défaite au-dessous de %5</translation>
    </message>
    <message>
        <source>Your worth is your money plus your units at their full price. At the end of a turn you win when it is above the victory line and lose when it is below the defeat line. During a turn, income, your losses, and Chaos&apos;s losses and loot move both sides.</source>
        <translation>Votre valeur est votre argent plus vos unités à leur prix entier. À la fin d&apos;un tour, vous gagnez si elle dépasse le seuil de victoire et vous perdez si elle passe sous le seuil de défaite. Pendant un tour, les revenus, vos pertes, ainsi que les pertes et le butin de Chaos font bouger les deux camps.</translation>
    </message>
</context>
<context>
    <name>CAboutDialog</name>
    <message>
        <source>About Tarvell</source>
        <translation>À propos de Tarvell</translation>
    </message>
    <message>
        <source>Tarvell Version %1</source>
        <translation>Tarvell version %1</translation>
    </message>
    <message>
        <source>Defend your land.</source>
        <translation>Défendez vos terres.</translation>
    </message>
    <message>
        <source>Chaos learns as you play.</source>
        <translation>Chaos apprend à mesure que vous jouez.</translation>
    </message>
    <message>
        <source>Built on Qt 6.</source>
        <translation>Réalisé avec Qt 6.</translation>
    </message>
</context>
<context>
    <name>CChaosWindow</name>
    <message>
        <source>Record: %1 won, %2 lost (%3 won)</source>
        <translation>Bilan&#xa0;: victoires %1, défaites %2 (taux de victoire %3)</translation>
    </message>
    <message>
        <source>Order by score</source>
        <translation>Trier par score</translation>
    </message>
    <message>
        <source>Tarvell - Chaos</source>
        <translation>Tarvell - Chaos</translation>
    </message>
    <message>
        <source>Each bar is one of Chaos&apos;s 250 strategies: how much better your side did than Chaos when the strategy was replayed against your positions (low is good for Chaos). Chaos plays the strategy whose score lies nearest the target; the target is 0, an even match, while you win at most half your games, and moves towards the lowest score the more you win.</source>
        <translation>Chaque barre représente l&apos;une des 250 stratégies de Chaos&#xa0;: de combien votre camp a fait mieux que Chaos quand cette stratégie a été rejouée contre vos positions (un score bas est bon pour Chaos). Chaos joue la stratégie dont le score est le plus proche de la cible&#xa0;; la cible vaut 0, une partie équilibrée, tant que vous gagnez au plus la moitié de vos parties, et se rapproche du score le plus bas à mesure que vous gagnez davantage.</translation>
    </message>
    <message>
        <source>Simulation: Chaos is replaying your last position under its 250 strategies...</source>
        <translation>Simulation&#xa0;: Chaos rejoue votre dernière position avec ses 250 stratégies...</translation>
    </message>
    <message>
        <source>Simulation: none running; the scores are up to date.</source>
        <translation>Simulation&#xa0;: aucune en cours&#xa0;; les scores sont à jour.</translation>
    </message>
    <message>
        <source>%1   Profile: %2</source>
        <translation>%1   Profil&#xa0;: %2</translation>
    </message>
    <message>
        <source>Strategy in play: %1 (score %2)</source>
        <translation>Stratégie en jeu&#xa0;: %1 (score %2)</translation>
    </message>
    <message>
        <source>Strategy in play: none yet</source>
        <translation>Stratégie en jeu&#xa0;: aucune pour l&apos;instant</translation>
    </message>
    <message>
        <source>Target the record sets now: %1 (nearest: strategy %2)</source>
        <translation>Cible fixée par votre bilan actuel&#xa0;: %1 (la plus proche&#xa0;: stratégie %2)</translation>
    </message>
    <message>
        <source>Mode in play: Classic (Chaos&apos;s purse is the same for every player)</source>
        <translation>Mode en jeu&#xa0;: Classique (la bourse de Chaos est la même pour tous les joueurs)</translation>
    </message>
    <message>
        <source>Mode in play: Adaptive: Chaos&apos;s starting money and income ×%1, from your record of %2 won, %3 lost</source>
        <translation>Mode en jeu&#xa0;: Adaptatif&#xa0;: argent de départ et revenu de Chaos ×%1, d&apos;après votre bilan (victoires %2, défaites %3)</translation>
    </message>
    <message>
        <source>Mode in play: Adaptive: Chaos&apos;s starting money and income ×%1; your record of %2 won, %3 lost sets ×%4 for the next game</source>
        <translation>Mode en jeu&#xa0;: Adaptatif&#xa0;: argent de départ et revenu de Chaos ×%1&#xa0;; votre bilan (victoires %2, défaites %3) fixe ×%4 pour la prochaine partie</translation>
    </message>
    <message>
        <source>From the next new game: Adaptive</source>
        <translation>À partir de la prochaine partie&#xa0;: Adaptatif</translation>
    </message>
    <message>
        <source>From the next new game: Classic</source>
        <translation>À partir de la prochaine partie&#xa0;: Classique</translation>
    </message>
</context>
<context>
    <name>CHowToPlayWindow</name>
    <message>
        <source>How to Play Tarvell</source>
        <translation>Comment jouer à Tarvell</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>CAP</source>
        <translation>MAJ</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DÉF</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>Create a new game
New Game</source>
        <translation>Créer une nouvelle partie
Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;New User...</source>
        <translation>Nouvel &amp;utilisateur...</translation>
    </message>
    <message>
        <source>Creates a new user profile
New User</source>
        <translation>Créer un nouveau profil d&apos;utilisateur
Nouvel utilisateur</translation>
    </message>
    <message>
        <source>&amp;Select User...</source>
        <translation>&amp;Choisir un utilisateur...</translation>
    </message>
    <message>
        <source>Selects another user&apos;s profile
Select User</source>
        <translation>Choisir le profil d&apos;un autre utilisateur
Choisir un utilisateur</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Fichier récent</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit the game
Exit</source>
        <translation>Quitter le jeu
Quitter</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Barre d&apos;état</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Afficher ou masquer la barre d&apos;état
Barre d&apos;état</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Show the Options Dialog
Show Options Dialog</source>
        <translation>Ouvrir la fenêtre des options
Options</translation>
    </message>
    <message>
        <source>&amp;Chaos...</source>
        <translation>&amp;Chaos...</translation>
    </message>
    <message>
        <source>Show what Chaos has learned about you
Chaos</source>
        <translation>Montrer ce que Chaos a appris sur vous
Chaos</translation>
    </message>
    <message>
        <source>Zoom &amp;100 %</source>
        <translation>Zoom &amp;100 %</translation>
    </message>
    <message>
        <source>Show the board at its own size
Zoom 100 %</source>
        <translation>Afficher le plateau à sa taille réelle
Zoom 100 %</translation>
    </message>
    <message>
        <source>Zoom 1&amp;50 %</source>
        <translation>Zoom 1&amp;50 %</translation>
    </message>
    <message>
        <source>Show the board half as large again
Zoom 150 %</source>
        <translation>Afficher le plateau une fois et demie plus grand
Zoom 150 %</translation>
    </message>
    <message>
        <source>Zoom &amp;200 %</source>
        <translation>Zoom &amp;200 %</translation>
    </message>
    <message>
        <source>Show the board at twice its size
Zoom 200 %</source>
        <translation>Afficher le plateau deux fois plus grand
Zoom 200 %</translation>
    </message>
    <message>
        <source>&amp;About Tarvell...</source>
        <translation>À &amp;propos de Tarvell...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Afficher les informations sur le programme, le numéro de version et les droits d&apos;auteur
À propos</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Comment jouer</translation>
    </message>
    <message>
        <source>Explain the goal, the units, the barbarians and a turn
How to Play</source>
        <translation>Expliquer le but, les unités, les barbares et le déroulement d&apos;un tour
Comment jouer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Ouvrir ce document</translation>
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
        <translation>Prêt</translation>
    </message>
    <message>
        <source>&amp;Terrain Overlay</source>
        <translation>Bonus du &amp;terrain</translation>
    </message>
    <message>
        <source>Write each square&apos;s income and defence bonus on the board
Terrain Overlay</source>
        <translation>Écrire sur le plateau les bonus de revenu et de défense de chaque case
Bonus du terrain</translation>
    </message>
    <message>
        <source>Turn &amp;Report</source>
        <translation>&amp;Rapport du tour</translation>
    </message>
    <message>
        <source>Show or hide the report of the last turn
Turn Report</source>
        <translation>Afficher ou masquer le rapport du dernier tour
Rapport du tour</translation>
    </message>
</context>
<context>
    <name>CNewUserDialog</name>
    <message>
        <source>New User</source>
        <translation>Nouvel utilisateur</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Nom d&apos;utilisateur&#xa0;:</translation>
    </message>
</context>
<context>
    <name>COptionsDialog</name>
    <message>
        <source>&amp;Adaptive</source>
        <translation>&amp;Adaptatif</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Slowest</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Game Speed:</source>
        <translation>Vitesse du jeu&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Classique</translation>
    </message>
    <message>
        <source>Chaos:</source>
        <translation>Chaos&#xa0;:</translation>
    </message>
    <message>
        <source>A change of Chaos&apos;s mode applies from the next new game.</source>
        <translation>Un changement de mode de Chaos prend effet à la prochaine partie.</translation>
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
        <translation>stratégies, score le plus bas (le meilleur pour Chaos) en premier</translation>
    </message>
    <message>
        <source>strategies 0 to 249</source>
        <translation>stratégies 0 à 249</translation>
    </message>
    <message>
        <source>strategy %1 in play</source>
        <translation>stratégie %1 en jeu</translation>
    </message>
    <message>
        <source>target %1</source>
        <translation>cible %1</translation>
    </message>
    <message>
        <source>Strategy %1: score %2 (in play)</source>
        <translation>Stratégie %1&#xa0;: score %2 (en jeu)</translation>
    </message>
    <message>
        <source>Strategy %1: score %2</source>
        <translation>Stratégie %1&#xa0;: score %2</translation>
    </message>
</context>
<context>
    <name>CTarvellDoc</name>
    <message>
        <source>Your game could not be kept in %1 (%2). It goes on.</source>
        <translation>Votre partie n&apos;a pas pu être conservée dans %1 (%2). Elle continue.</translation>
    </message>
    <message>
        <source>Your kept game %1 cannot be read (%2). A new game starts.</source>
        <translation>Votre partie conservée %1 est illisible (%2). Une nouvelle partie commence.</translation>
    </message>
    <message>
        <source>Your kept game %1 cannot be read (%2); it was set aside as %3. A new game starts.</source>
        <translation>Votre partie conservée %1 est illisible (%2)&#xa0;; elle a été mise de côté sous le nom %3. Une nouvelle partie commence.</translation>
    </message>
    <message>
        <source>Tarvell User (*.tvu)</source>
        <translation>Utilisateur Tarvell (*.tvu)</translation>
    </message>
    <message>
        <source>Your record could not be saved to %1 (%2). The games since its last save are not in it.</source>
        <translation>Votre bilan n&apos;a pas pu être enregistré dans %1 (%2). Les parties jouées depuis son dernier enregistrement n&apos;y figurent pas.</translation>
    </message>
    <message>
        <source>Your record could not be saved to %1 (%2). The game will try again at the next save.</source>
        <translation>Votre bilan n&apos;a pas pu être enregistré dans %1 (%2). Le jeu réessaiera au prochain enregistrement.</translation>
    </message>
    <message>
        <source>Cannot open %1: only Tarvell profiles (*.tvu) can be opened.</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: seuls les profils Tarvell (*.tvu) peuvent être ouverts.</translation>
    </message>
    <message>
        <source>%1 is in use by another Tarvell (process %2).</source>
        <translation>%1 est utilisé par une autre instance de Tarvell (processus %2).</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>CTarvellView</name>
    <message>
        <source>Scout</source>
        <translation>Éclaireur</translation>
    </message>
    <message>
        <source>(0-1-0)</source>
        <translation>(0-1-0)</translation>
    </message>
    <message>
        <source>Scavenger</source>
        <translation>Pillard</translation>
    </message>
    <message>
        <source>(0-1-2)</source>
        <translation>(0-1-2)</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Commun</translation>
    </message>
    <message>
        <source>(6-3-0)</source>
        <translation>(6-3-0)</translation>
    </message>
    <message>
        <source>Amphibious</source>
        <translation>Amphibie</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Mobile</translation>
    </message>
    <message>
        <source>(5-3-0)</source>
        <translation>(5-3-0)</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Sauteur</translation>
    </message>
    <message>
        <source>(6-2-0)</source>
        <translation>(6-2-0)</translation>
    </message>
    <message>
        <source>Kamikazee</source>
        <translation>Kamikaze</translation>
    </message>
    <message>
        <source>(K) 0-10-0)</source>
        <translation>((K) 0-10-0)</translation>
    </message>
    <message>
        <source>Armored</source>
        <translation>Cuirassé</translation>
    </message>
    <message>
        <source>(15-10-0)</source>
        <translation>(15-10-0)</translation>
    </message>
    <message>
        <source>Treasury</source>
        <translation>Trésor</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Tour</translation>
    </message>
    <message>
        <source>End Setup</source>
        <translation>Fin du placement</translation>
    </message>
    <message>
        <source>Ends your setup: Chaos plays one turn (F9). Asks first when more than $1000 would be left unspent.</source>
        <translation>Termine votre placement&#xa0;: Chaos joue un tour (F9). Demande d&apos;abord confirmation s&apos;il resterait plus de $1000 non dépensés.</translation>
    </message>
    <message>
        <source>Your Record</source>
        <translation>Votre bilan</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
</context>
<context>
    <name>CTurnReportDock</name>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Turn Report</source>
        <translation>Rapport du tour</translation>
    </message>
    <message>
        <source>No turn has been shown yet.</source>
        <translation>Aucun tour n&apos;a encore été montré.</translation>
    </message>
    <message>
        <source>Turn %1</source>
        <translation>Tour %1</translation>
    </message>
    <message>
        <source>Income earned: %1</source>
        <translation>Revenu gagné&#xa0;: %1</translation>
    </message>
    <message>
        <source>Sold to make room: %1 at (%2,%3) for %4</source>
        <translation>Vendu pour faire de la place&#xa0;: %1 en (%2, %3) pour %4</translation>
    </message>
    <message>
        <source>Units lost: %1</source>
        <translation>Unités perdues&#xa0;: %1</translation>
    </message>
    <message>
        <source>Pick a lost unit to outline its square on the board.</source>
        <translation>Choisissez une unité perdue pour encadrer sa case sur le plateau.</translation>
    </message>
    <message>
        <source>%1 at (%2,%3), phase %4</source>
        <translation>%1 en (%2, %3), phase %4</translation>
    </message>
    <message>
        <source>Barbarians bought: %1 for %2</source>
        <translation>Barbares achetés&#xa0;: %1 pour %2</translation>
    </message>
    <message>
        <source>Barbarians destroyed: %1</source>
        <translation>Barbares détruits&#xa0;: %1</translation>
    </message>
    <message>
        <source>Barbarians gone home: %1, with %2 of loot</source>
        <translation>Barbares rentrés chez eux&#xa0;: %1, avec %2 de butin</translation>
    </message>
    <message>
        <source>Chaos&apos;s gain: %1</source>
        <translation>Gain de Chaos&#xa0;: %1</translation>
    </message>
    <message>
        <source>The loot and prices of the barbarians gone home, less what Chaos spent on barbarians. Chaos&apos;s income for the next turn comes on top.</source>
        <translation>Le butin et le prix des barbares rentrés chez eux, moins ce que Chaos a dépensé en barbares. Le revenu de Chaos pour le tour suivant s&apos;y ajoute.</translation>
    </message>
    <message>
        <source>Destruction reports: %1</source>
        <translation>Rapports de destruction&#xa0;: %1</translation>
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
        <translation>Quitter cette partie compte comme une défaite. Voulez-vous vraiment la quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Continue your game from turn %1?</source>
        <translation>Reprendre votre partie au tour %1&#xa0;?</translation>
    </message>
    <message>
        <source>Choose another user, or play without saving your record.</source>
        <translation>Choisissez un autre utilisateur ou jouez sans enregistrer votre bilan.</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>En êtes-vous sûr&#xa0;?</translation>
    </message>
    <message>
        <source>This user model already exists. Do you want to overwrite it?</source>
        <translation>Ce profil d&apos;utilisateur existe déjà. Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Chaos has surrended. Congratulations, your forces are victorious!</source>
        <translation>Chaos a capitulé. Félicitations, vos forces sont victorieuses&#xa0;!</translation>
    </message>
    <message>
        <source>Your forces have been vanquished. Chaos is victorious.</source>
        <translation>Vos forces ont été vaincues. Chaos est victorieux.</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;NO</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>&amp;Keep for later</source>
        <translation>&amp;Garder pour plus tard</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>&amp;New User...</source>
        <translation>&amp;Nouvel utilisateur...</translation>
    </message>
    <message>
        <source>&amp;Select User...</source>
        <translation>&amp;Choisir un utilisateur...</translation>
    </message>
    <message>
        <source>&amp;Play Without Saving</source>
        <translation>&amp;Jouer sans enregistrer</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 est un dossier</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 is larger than %2 bytes</source>
        <translation>%1 dépasse %2 octets</translation>
    </message>
    <message>
        <source>The game&apos;s settings cannot be read (%1). It starts with its defaults and remembers no settings this time.</source>
        <translation>Les réglages du jeu sont illisibles (%1). Il démarre avec ses valeurs par défaut et ne retiendra aucun réglage cette fois-ci.</translation>
    </message>
</context>
<context>
    <name>UnitTexts</name>
    <message>
        <source>Drone</source>
        <translation>Drone</translation>
    </message>
    <message>
        <source>Mine</source>
        <translation>Mine</translation>
    </message>
    <message>
        <source>Farmer</source>
        <translation>Fermier</translation>
    </message>
    <message>
        <source>Infantry</source>
        <translation>Infanterie</translation>
    </message>
    <message>
        <source>Settler</source>
        <translation>Colon</translation>
    </message>
    <message>
        <source>Armor</source>
        <translation>Blindé</translation>
    </message>
    <message>
        <source>Jammer</source>
        <translation>Brouilleur</translation>
    </message>
    <message>
        <source>Artillery</source>
        <translation>Artillerie</translation>
    </message>
    <message>
        <source>a Drone</source>
        <translation>un Drone</translation>
    </message>
    <message>
        <source>a Mine</source>
        <translation>une Mine</translation>
    </message>
    <message>
        <source>a Farmer</source>
        <translation>un Fermier</translation>
    </message>
    <message>
        <source>an Infantry</source>
        <translation>une Infanterie</translation>
    </message>
    <message>
        <source>a Settler</source>
        <translation>un Colon</translation>
    </message>
    <message>
        <source>an Armor</source>
        <translation>un Blindé</translation>
    </message>
    <message>
        <source>a Jammer</source>
        <translation>un Brouilleur</translation>
    </message>
    <message>
        <source>an Artillery</source>
        <translation>une Artillerie</translation>
    </message>
    <message>
        <source>Cheap income.</source>
        <translation>Un revenu bon marché.</translation>
    </message>
    <message>
        <source>The best income, but no defence to speak of.</source>
        <translation>Le meilleur revenu, mais presque aucune défense.</translation>
    </message>
    <message>
        <source>A sturdy defender.</source>
        <translation>Un défenseur robuste.</translation>
    </message>
    <message>
        <source>Income and some defence.</source>
        <translation>Du revenu et un peu de défense.</translation>
    </message>
    <message>
        <source>The strongest defender.</source>
        <translation>Le défenseur le plus solide.</translation>
    </message>
    <message>
        <source>Jams every square within 4: barbarians there learn nothing from their Scouts.</source>
        <translation>Brouille toutes les cases dans un rayon de 4&#xa0;: les barbares qui s&apos;y trouvent n&apos;apprennent rien de leurs Éclaireurs.</translation>
    </message>
    <message>
        <source>Scout</source>
        <translation>Éclaireur</translation>
    </message>
    <message>
        <source>Scavenger</source>
        <translation>Pillard</translation>
    </message>
    <message>
        <source>Common Barbarian</source>
        <translation>Barbare commun</translation>
    </message>
    <message>
        <source>Amphibious Barbarian</source>
        <translation>Barbare amphibie</translation>
    </message>
    <message>
        <source>Mobile Barbarian</source>
        <translation>Barbare mobile</translation>
    </message>
    <message>
        <source>Jump Barbarian</source>
        <translation>Barbare sauteur</translation>
    </message>
    <message>
        <source>Kamikazee Barbarian</source>
        <translation>Barbare kamikaze</translation>
    </message>
    <message>
        <source>Armored Barbarian</source>
        <translation>Barbare cuirassé</translation>
    </message>
    <message>
        <source>Fights nobody; sees Mines, Artillery cover and jammed ground, and shows fighting barbarians where it stands.</source>
        <translation>Ne combat personne&#xa0;; voit les Mines, la portée de l&apos;Artillerie et le terrain brouillé, et signale sa position aux barbares combattants.</translation>
    </message>
    <message>
        <source>Fights nobody; roams towards rich land and sites and plunders $2 plus the land&apos;s richness each time.</source>
        <translation>Ne combat personne&#xa0;; rôde vers les terres riches et les sites, et pille à chaque fois $2 plus la richesse du terrain.</translation>
    </message>
    <message>
        <source>Attacks the unit ahead.</source>
        <translation>Attaque l&apos;unité devant lui.</translation>
    </message>
    <message>
        <source>Attacks the unit ahead; walks on water and may arrive on it.</source>
        <translation>Attaque l&apos;unité devant lui&#xa0;; marche sur l&apos;eau et peut y apparaître.</translation>
    </message>
    <message>
        <source>Attacks the unit ahead; acts twice a phase and senses Scouts further away.</source>
        <translation>Attaque l&apos;unité devant lui&#xa0;; agit deux fois par phase et repère les Éclaireurs de plus loin.</translation>
    </message>
    <message>
        <source>Attacks the unit ahead; jumps over what blocks it and may strike the unit behind.</source>
        <translation>Attaque l&apos;unité devant lui&#xa0;; saute par-dessus ce qui lui barre la route et peut frapper l&apos;unité située derrière.</translation>
    </message>
    <message>
        <source>Acts twice a phase; destroys the unit ahead, Mines excepted, and itself with it.</source>
        <translation>Agit deux fois par phase&#xa0;; détruit l&apos;unité devant lui, sauf les Mines, et se détruit avec elle.</translation>
    </message>
    <message>
        <source>Attacks the unit ahead; clears Mines without harm.</source>
        <translation>Attaque l&apos;unité devant lui&#xa0;; neutralise les Mines sans dommage.</translation>
    </message>
    <message>
        <source>$%1</source>
        <translation>$%1</translation>
    </message>
    <message>
        <source>Price %1; sells for %2.</source>
        <translation>Prix %1&#xa0;; se revend %2.</translation>
    </message>
    <message>
        <source>no income</source>
        <translation>aucun revenu</translation>
    </message>
    <message>
        <source>income %1 a turn, more on rich land</source>
        <translation>revenu %1 par tour, davantage sur les terres riches</translation>
    </message>
    <message>
        <source>No game in progress: start a new game with File &gt; New Game.</source>
        <translation>Aucune partie en cours&#xa0;: lancez une nouvelle partie avec Fichier &gt; Nouvelle partie.</translation>
    </message>
    <message>
        <source>%1: never attacked. A barbarian stepping on it must survive an attack of strength 10 (the Armored Barbarian clears it unharmed). %2</source>
        <translation>%1&#xa0;: jamais attaquée. Un barbare qui marche dessus doit survivre à une attaque de force 10 (le Barbare cuirassé la neutralise sans dommage). %2</translation>
    </message>
    <message>
        <source>%1: attack %2, defence %3, %4.</source>
        <translation>%1&#xa0;: attaque %2, défense %3, %4.</translation>
    </message>
    <message>
        <source>Fires at every barbarian within 2 squares each phase: at strength 10 or 5 on its outer ring, 5 close by.</source>
        <translation>Tire à chaque phase sur tout barbare dans un rayon de 2 cases&#xa0;: avec une force de 10 ou 5 sur l&apos;anneau extérieur, de 5 au plus près.</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1: attack %2, defence %3. %4 Chaos pays %5 for one and gets it back if it survives the turn.</source>
        <translation>%1&#xa0;: attaque %2, défense %3. %4 Chaos le paie %5 et récupère cette somme s&apos;il survit au tour.</translation>
    </message>
    <message>
        <source>Your money: buy units with it between turns.</source>
        <translation>Votre argent&#xa0;: il sert à acheter des unités entre les tours.</translation>
    </message>
    <message>
        <source>Turns played. While a turn runs, its phase (0 to 49) follows in parentheses.</source>
        <translation>Tours joués. Pendant un tour, sa phase (0 à 49) suit entre parenthèses.</translation>
    </message>
    <message>
        <source>Games won and lost with this profile, and the share won.</source>
        <translation>Parties gagnées et perdues avec ce profil, et la part de victoires.</translation>
    </message>
    <message>
        <source>Water: nothing can be built here.</source>
        <translation>Eau&#xa0;: rien ne peut être construit ici.</translation>
    </message>
    <message>
        <source>Impassable ground: nothing can be built here.</source>
        <translation>Terrain infranchissable&#xa0;: rien ne peut être construit ici.</translation>
    </message>
    <message>
        <source>Occupied: %1 already stands here.</source>
        <translation>Occupé&#xa0;: %1 se trouve déjà ici.</translation>
    </message>
    <message>
        <source>Nothing of yours to sell here.</source>
        <translation>Rien à vous à vendre ici.</translation>
    </message>
    <message>
        <source>Not enough money: %1 costs %2.</source>
        <translation>Pas assez d&apos;argent&#xa0;: %1 coûte %2.</translation>
    </message>
    <message>
        <source>%1 destroyed at (%2,%3).</source>
        <translation>Unité détruite en (%2, %3)&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Turn %1, Phase %2: %3</source>
        <translation>Tour %1, phase %2&#xa0;: %3</translation>
    </message>
</context>
</TS>
