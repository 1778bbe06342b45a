<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="fr_FR">
<context>
    <name>Tavlo32</name>
    <message>
        <source>Joueur1</source>
        <translation>Player1</translation>
    </message>
    <message>
        <source>Joueur2</source>
        <translation>Player2</translation>
    </message>
    <message>
        <source>Joueur 1</source>
        <translation>Player 1</translation>
    </message>
    <message>
        <source>Joueur 2</source>
        <translation>Player 2</translation>
    </message>
    <message>
        <source>&quot;REPOS&quot;</source>
        <extracomment>The word shown on the board after a tied hand; the help explains it.</extracomment>
        <translation>&quot;REPOS&quot;</translation>
    </message>
    <message>
        <source>Bravo %1!</source>
        <translation>Well done, %1!</translation>
    </message>
    <message>
        <source>Je suis vraiment le meilleur!</source>
        <translation>I really am the best!</translation>
    </message>
    <message>
        <source>On fait la belle ?</source>
        <translation>Shall we play the decider?</translation>
    </message>
    <message>
        <source>Une autre manche ?</source>
        <translation>Another round?</translation>
    </message>
    <message>
        <source>C&apos;est à moi de relancer...</source>
        <translation>My turn to throw first...</translation>
    </message>
    <message>
        <source>Lancer n° %1</source>
        <translation>Throw no. %1</translation>
    </message>
    <message>
        <source>Nombre de coups maxi:%1</source>
        <translation>Max. throws: %1</translation>
    </message>
    <message>
        <source>Nombre de coups maxi: 1</source>
        <translation>Max. throws: 1</translation>
    </message>
    <message>
        <source>Manches pour %1 : %2</source>
        <extracomment>The rounds won by a player (%1) so far (%2).</extracomment>
        <translation>Rounds won by %1: %2</translation>
    </message>
    <message>
        <source>Vous devez rentrer les noms ou appuyez sur Annuler</source>
        <translation>You must enter the names or press Cancel</translation>
    </message>
    <message>
        <source>Pour qui vous prenez-vous ? ORDY est mon nom !</source>
        <translation>Who do you think you are? ORDY is my name!</translation>
    </message>
    <message>
        <source>Tavlo32</source>
        <translation>Tavlo32</translation>
    </message>
    <message>
        <source>Copyright © 2026 les développeurs de Tavlo32</source>
        <translation>Copyright © 2026 the Tavlo32 developers</translation>
    </message>
    <message>
        <source>Cliquez pour écarter ce dé</source>
        <translation>Click to set this die aside</translation>
    </message>
    <message>
        <source>Cliquez pour remettre en jeu</source>
        <translation>Click to bring it back into play</translation>
    </message>
    <message>
        <source>Cliquez ici pour lancer les dés</source>
        <translation>Click here to throw the dice</translation>
    </message>
    <message>
        <source>Cliquez pour passer la main</source>
        <translation>Click to pass the hand</translation>
    </message>
    <message>
        <source>Passer la main</source>
        <translation>Pass the hand</translation>
    </message>
    <message>
        <source>%1
(touche %2)</source>
        <translation>%1
(key %2)</translation>
    </message>
    <message>
        <source>Espace</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Entrée</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Plateau</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Dé %1</source>
        <translation>Die %1</translation>
    </message>
    <message>
        <source>Gobelet</source>
        <translation>Cup</translation>
    </message>
    <message>
        <source>Numéro du lancer</source>
        <translation>Throw number</translation>
    </message>
    <message>
        <source>Joueur dont c&apos;est le tour</source>
        <translation>Player whose turn it is</translation>
    </message>
    <message>
        <source>Égalité</source>
        <translation>Tie</translation>
    </message>
    <message>
        <source>Nombre de coups maximum</source>
        <translation>Most throws allowed</translation>
    </message>
    <message>
        <source>Face %1</source>
        <translation>Shows %1</translation>
    </message>
    <message>
        <source>&amp;Nouvelle Partie</source>
        <translation>&amp;New Game</translation>
    </message>
    <message>
        <source>1 Joueur</source>
        <translation>1 Player</translation>
    </message>
    <message>
        <source>2 Joueurs</source>
        <translation>2 Players</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>&amp;Scores</translation>
    </message>
    <message>
        <source>Manches...</source>
        <translation>Rounds...</translation>
    </message>
    <message>
        <source>Remise à zéro</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Aide sur ...</source>
        <translation>Help Contents</translation>
    </message>
    <message>
        <source>Son</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>A propos</source>
        <translation>About</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Avertissement</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Saisie du nom des joueurs</source>
        <translation>Players&apos; names</translation>
    </message>
    <message>
        <source>Entrez le Nom du  premier joueur:</source>
        <translation>Enter the name of the first player:</translation>
    </message>
    <message>
        <source>Entrez le Nom du second joueur:</source>
        <translation>Enter the name of the second player:</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Trois dés, un gobelet et onze jetons.
Jouez à deux, ou contre ORDY.
Le 421 vaut dix jetons.
Qui garde les onze jetons perd la manche.
Bonne chance !</source>
        <translation>Three dice, a cup and eleven tokens.
Play for two, or against ORDY.
A 421 is worth ten tokens.
Whoever holds all eleven loses the round.
Good luck!</translation>
    </message>
    <message>
        <source>Aide de Tavlo32</source>
        <translation>Tavlo32 Help</translation>
    </message>
    <message>
        <source>Le fichier d&apos;aide est introuvable : %1</source>
        <translation>The help file cannot be found: %1</translation>
    </message>
    <message>
        <source>tavlo32.html</source>
        <extracomment>The help page&apos;s file, beside the French one: tavlo32_&lt;language&gt;.html.</extracomment>
        <translation>tavlo32_en.html</translation>
    </message>
    <message>
        <source>Dossiers consultés :</source>
        <translation>Folders searched:</translation>
    </message>
    <message>
        <source>Lancer les dés</source>
        <translation>Throw the dice</translation>
    </message>
    <message>
        <source>Écarter ce dé</source>
        <translation>Set this die aside</translation>
    </message>
    <message>
        <source>Remettre ce dé en jeu</source>
        <translation>Bring this die back into play</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Pot</source>
        <translation>Pot</translation>
    </message>
    <message>
        <source>%1 jeton</source>
        <translation>%1 token</translation>
    </message>
    <message>
        <source>%1 jetons</source>
        <translation>%1 tokens</translation>
    </message>
    <message>
        <source>%1 : %2, %3, %4.</source>
        <translation>%1: %2, %3, %4.</translation>
    </message>
    <message>
        <source>Dé %1 écarté.</source>
        <translation>Die %1 set aside.</translation>
    </message>
    <message>
        <source>Dé %1 remis en jeu.</source>
        <translation>Die %1 back in play.</translation>
    </message>
    <message>
        <source>Combinaison %1.</source>
        <translation>Combination %1.</translation>
    </message>
    <message>
        <source>Lancers restants : %1.</source>
        <translation>Throws left: %1.</translation>
    </message>
    <message>
        <source>%1 donne %2 à %3.</source>
        <translation>%1 gives %2 to %3.</translation>
    </message>
    <message>
        <source>Le pot</source>
        <translation>The pot</translation>
    </message>
    <message>
        <source>Égalité : aucun jeton ne bouge.</source>
        <translation>Tie: no token moves.</translation>
    </message>
    <message>
        <source>%1, %2, %3.</source>
        <translation>%1, %2, %3.</translation>
    </message>
    <message>
        <source>Main à %1.</source>
        <translation>%1&apos;s turn.</translation>
    </message>
</context>
</TS>
