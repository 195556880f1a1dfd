<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CCopyPasteTutorialDlg</name>
    <message>
        <source>Internal Error:  Contact %1.</source>
        <translation>Erreur interne&#x202f;: veuillez contacter %1.</translation>
    </message>
</context>
<context>
    <name>CDialog</name>
    <message>
        <source>Window menu</source>
        <translation>Menu de la fenêtre</translation>
    </message>
</context>
<context>
    <name>CDoubleClickTutorialDlg</name>
    <message>
        <source>After starting the tutorial this text will be replaced with statistics about your progress.</source>
        <translation>Une fois le tutoriel commencé, ce texte sera remplacé par des statistiques sur vos progrès.</translation>
    </message>
</context>
<context>
    <name>CWebLinkStatic</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Le système d&apos;exploitation manque
de mémoire ou de ressources.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Le fichier spécifié est introuvable.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Le chemin d&apos;accès spécifié est introuvable.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Le système d&apos;exploitation a refusé
l&apos;accès au fichier spécifié.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>La mémoire est insuffisante pour terminer l&apos;opération.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Le fichier .EXE n&apos;est pas valide
(.EXE non Win32 ou erreur dans l&apos;image .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Une violation de partage s&apos;est produite. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Le navigateur web par défaut n&apos;a pas pu
ouvrir l&apos;adresse.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>La transaction DDE n&apos;a pas pu
être terminée, car le délai de la requête a expiré.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transaction DDE a échoué.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>La transaction DDE n&apos;a pas pu
être terminée, car d&apos;autres transactions DDE
étaient en cours de traitement.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Aucun navigateur web n&apos;a pu
ouvrir l&apos;adresse.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>La bibliothèque de liens dynamiques spécifiée est introuvable.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Une erreur inconnue (%1) s&apos;est produite.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

</source>
        <translation>Impossible d&apos;ouvrir le lien hypertexte&#x202f;:

</translation>
    </message>
</context>
<context>
    <name>CopyPasteSteps</name>
    <message>
        <source>Waiting for tutorial to start.</source>
        <translation>En attente du début du tutoriel.</translation>
    </message>
    <message>
        <source>Oops.. The text being copied has been modified.  This is not consistent with the expected results of the tutorial.  Please press the &quot;Start Over&quot; button.</source>
        <translation>Oups... Le texte à copier a été modifié. Ce n&apos;est pas ce que le tutoriel attend. Veuillez cliquer sur le bouton «&#x202f;Recommencer&#x202f;».</translation>
    </message>
    <message>
        <source>Steps 1 &amp; 2 are Complete!  Good Job!<byte value="xd"/>
<byte value="xd"/>
You have selected the text as instructed! Now move on to Step 3.</source>
        <translation>Étapes 1 et 2 terminées&#x202f;! Bravo&#x202f;!<byte value="xd"/>
<byte value="xd"/>
Vous avez sélectionné le texte comme demandé&#x202f;! Passez maintenant à l&apos;étape 3.</translation>
    </message>
    <message>
        <source>Oops... Something isn&apos;t quite right.  You had previously selected the text properly, but now the text window is not active so you will not be able to copy from it.  Please start over from Step 1.</source>
        <translation>Oups... Quelque chose ne va pas tout à fait. Vous aviez bien sélectionné le texte, mais la zone de texte n&apos;est plus active&#x202f;: vous ne pourrez donc pas copier depuis celle-ci. Veuillez recommencer à l&apos;étape 1.</translation>
    </message>
    <message>
        <source>Oops... The selected text isn&apos;t quite right.  Please start over at Step 1.</source>
        <translation>Oups... Le texte sélectionné n&apos;est pas tout à fait le bon. Veuillez recommencer à l&apos;étape 1.</translation>
    </message>
    <message>
        <source>Oops... The starting position of the selected text isn&apos;t right.  Please start over at Step 1.</source>
        <translation>Oups... Le texte sélectionné ne commence pas au bon endroit. Veuillez recommencer à l&apos;étape 1.</translation>
    </message>
    <message>
        <source>You&apos;re on the right track.  Keep selecting...</source>
        <translation>Vous êtes sur la bonne voie. Continuez à sélectionner...</translation>
    </message>
    <message>
        <source>Step 3 is Complete!  Good Job!<byte value="xd"/>
<byte value="xd"/>
You have copied the text as instructed!  Now move on to Step 4.</source>
        <translation>Étape 3 terminée&#x202f;! Bravo&#x202f;!<byte value="xd"/>
<byte value="xd"/>
Vous avez copié le texte comme demandé&#x202f;! Passez maintenant à l&apos;étape 4.</translation>
    </message>
    <message>
        <source>Oops!  Something went wrong.  You need to select the text again.  Please start over at Step 1.</source>
        <translation>Oups&#x202f;! Quelque chose s&apos;est mal passé. Vous devez sélectionner le texte à nouveau. Veuillez recommencer à l&apos;étape 1.</translation>
    </message>
    <message>
        <source>Step 4 is Complete!  Good Job!<byte value="xd"/>
<byte value="xd"/>
You have positioned the insertion pointer to the right text box!  Now move on to Step 5.</source>
        <translation>Étape 4 terminée&#x202f;! Bravo&#x202f;!<byte value="xd"/>
<byte value="xd"/>
Vous avez placé le curseur dans la bonne zone de texte&#x202f;! Passez maintenant à l&apos;étape 5.</translation>
    </message>
    <message>
        <source>Oops!  Something went wrong.  You still need to complete Step 4.</source>
        <translation>Oups&#x202f;! Quelque chose s&apos;est mal passé. Vous devez encore terminer l&apos;étape 4.</translation>
    </message>
    <message>
        <source>Congratulations!  You did it!<byte value="xd"/>
<byte value="xd"/>
You successfully copied and pasted text from one window to another!</source>
        <translation>Félicitations&#x202f;! Vous avez réussi&#x202f;!<byte value="xd"/>
<byte value="xd"/>
Vous avez copié du texte dans une fenêtre et l&apos;avez collé dans une autre&#x202f;!</translation>
    </message>
    <message>
        <source>Here is the text that you will select for your tutorial on cut/copy/paste - stop here</source>
        <translation>Voici le texte que vous allez sélectionner pour ce tutoriel sur couper/copier/coller - arrêtez ici</translation>
    </message>
    <message>
        <source>Please start the tutorial at Step 1.  As you complete the steps, this status area will track your progress.  Check back here to see how you are progressing.</source>
        <translation>Veuillez commencer le tutoriel à l&apos;étape 1. Au fil des étapes, cette zone affiche votre progression. Revenez y jeter un œil pour voir où vous en êtes.</translation>
    </message>
</context>
<context>
    <name>DoubleClick</name>
    <message>
        <source>Double Clicks	:	</source>
        <translation>Double-clics	:	</translation>
    </message>
    <message>
        <source>Too Slow				:	</source>
        <translation>Trop lents	:	</translation>
    </message>
    <message>
        <source>Mouse Moved	:	</source>
        <translation>Souris bougée	:	</translation>
    </message>
    <message>
        <source>Single Click			:	</source>
        <translation>Clics simples	:	</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#x202f;%</translation>
    </message>
    <message>
        <source>Total						:	</source>
        <translation>Total	:	</translation>
    </message>
    <message>
        <source>First click... Now quickly click again!</source>
        <translation>Premier clic... Cliquez vite une seconde fois&#x202f;!</translation>
    </message>
    <message>
        <source>Sorry.  Not quite fast enough.<byte value="xd"/>
<byte value="xd"/>
Try again, but click faster.</source>
        <translation>Désolé. Pas tout à fait assez rapide.<byte value="xd"/>
<byte value="xd"/>
Essayez encore, mais cliquez plus vite.</translation>
    </message>
    <message>
        <source>Sorry.  You moved the mouse between the first and second click.<byte value="xd"/>
<byte value="xd"/>
Try again, but keep the mouse in the same position while double clicking.</source>
        <translation>Désolé. Vous avez bougé la souris entre le premier et le second clic.<byte value="xd"/>
<byte value="xd"/>
Essayez encore, en gardant la souris immobile pendant le double-clic.</translation>
    </message>
    <message>
        <source>Success!  <byte value="xd"/>
<byte value="xd"/>
You successfully double clicked the mouse!</source>
        <translation>Réussi&#x202f;!<byte value="xd"/>
<byte value="xd"/>
Vous avez bien double-cliqué&#x202f;!</translation>
    </message>
    <message>
        <source>Try Again... You have to click twice.</source>
        <translation>Essayez encore... Il faut cliquer deux fois.</translation>
    </message>
    <message>
        <source>Try Again... Your second click was not quite fast enough.<byte value="xd"/>
<byte value="xd"/>
Remember to click faster.</source>
        <translation>Essayez encore... Votre second clic n&apos;était pas tout à fait assez rapide.<byte value="xd"/>
<byte value="xd"/>
Pensez à cliquer plus vite.</translation>
    </message>
    <message>
        <source>Try Again... <byte value="xd"/>
<byte value="xd"/>
Remember to keep the mouse in the same position while double clicking.</source>
        <translation>Essayez encore...<byte value="xd"/>
<byte value="xd"/>
Pensez à garder la souris immobile pendant le double-clic.</translation>
    </message>
    <message>
        <source>Practice makes perfect! <byte value="xd"/>
<byte value="xd"/>
See how many times in a row you can double click.</source>
        <translation>C&apos;est en forgeant qu&apos;on devient forgeron&#x202f;!<byte value="xd"/>
<byte value="xd"/>
Voyez combien de double-clics vous réussissez d&apos;affilée.</translation>
    </message>
</context>
<context>
    <name>DragDrop</name>
    <message>
        <source>Click and Drag Me</source>
        <translation>Cliquez et glissez-moi</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Dossier de destination</translation>
    </message>
    <message>
        <source>Source Folder</source>
        <translation>Dossier source</translation>
    </message>
    <message>
        <source>Another File</source>
        <translation>Un autre fichier</translation>
    </message>
    <message>
        <source>Just Another Folder</source>
        <translation>Encore un dossier</translation>
    </message>
    <message>
        <source>Yet Another Folder</source>
        <translation>Et encore un dossier</translation>
    </message>
    <message>
        <source>Please start at Step 1 by placing the mouse over the tree item labeled &quot;Click and Drag Me&quot;.</source>
        <translation>Veuillez commencer à l&apos;étape 1 en plaçant le pointeur de la souris sur l&apos;élément de l&apos;arborescence nommé «&#x202f;Cliquez et glissez-moi&#x202f;».</translation>
    </message>
    <message>
        <source>Great!<byte value="xd"/>
<byte value="xd"/>
You got Step 1.  You have got the mouse over the right tree item!  Please move on to Step 2.</source>
        <translation>Très bien&#x202f;!<byte value="xd"/>
<byte value="xd"/>
Étape 1 réussie. Le pointeur de la souris est sur le bon élément&#x202f;! Passez maintenant à l&apos;étape 2.</translation>
    </message>
    <message>
        <source>Great!<byte value="xd"/>
<byte value="xd"/>
You got Step 2.  You clicked the right tree item!  Please continue to Step 3.</source>
        <translation>Très bien&#x202f;!<byte value="xd"/>
<byte value="xd"/>
Étape 2 réussie. Vous avez cliqué sur le bon élément&#x202f;! Continuez avec l&apos;étape 3.</translation>
    </message>
    <message>
        <source>Oops... You clicked on the correct tree item, but you need to continue to hold the mouse down to complete Step 2.  Please try again.</source>
        <translation>Oups... Vous avez cliqué sur le bon élément, mais vous devez garder le bouton de la souris enfoncé pour terminer l&apos;étape 2. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Super!<byte value="xd"/>
<byte value="xd"/>
You got Step 3.  You are dragging the tree item!  Now just keep dragging until the cursor is over the &quot;Destination Folder&quot;.</source>
        <translation>Super&#x202f;!<byte value="xd"/>
<byte value="xd"/>
Étape 3 réussie. Vous faites glisser l&apos;élément&#x202f;! Continuez simplement à le faire glisser jusqu&apos;à ce que le pointeur soit sur «&#x202f;Dossier de destination&#x202f;».</translation>
    </message>
    <message>
        <source>Oops!<byte value="xd"/>
<byte value="xd"/>
You are dragging the wrong item.  Please press the &quot;Start Over&quot; button.</source>
        <translation>Oups&#x202f;!<byte value="xd"/>
<byte value="xd"/>
Vous faites glisser le mauvais élément. Veuillez cliquer sur le bouton «&#x202f;Recommencer&#x202f;».</translation>
    </message>
    <message>
        <source>Congratulations!  You got it!<byte value="xd"/>
<byte value="xd"/>
If you would like to try again, please press the &quot;Start Over&quot; button.</source>
        <translation>Félicitations&#x202f;! Vous avez réussi&#x202f;!<byte value="xd"/>
<byte value="xd"/>
Si vous voulez réessayer, cliquez sur le bouton «&#x202f;Recommencer&#x202f;».</translation>
    </message>
    <message>
        <source>Sorry.  You didn&apos;t drop onto the correct tree item.  Please press the &quot;Start Over&quot; button to try again.</source>
        <translation>Désolé. Vous n&apos;avez pas déposé l&apos;élément au bon endroit. Veuillez cliquer sur le bouton «&#x202f;Recommencer&#x202f;» pour réessayer.</translation>
    </message>
    <message>
        <source>Please press the &quot;Start Over&quot; button to begin the tutorial again.</source>
        <translation>Veuillez cliquer sur le bouton «&#x202f;Recommencer&#x202f;» pour reprendre le tutoriel depuis le début.</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>&amp;About Vellumark Kestrin...</source>
        <translation>À &amp;propos de Vellumark Kestrin...</translation>
    </message>
    <message>
        <source>About Vellumark Kestrin</source>
        <translation>À propos de Vellumark Kestrin</translation>
    </message>
    <message>
        <source>Kestrin</source>
        <translation>Kestrin</translation>
    </message>
    <message>
        <source>Kestrin Version 1.0</source>
        <translation>Kestrin version 1.0</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Vellumark.  All rights reserved.</source>
        <translation>Copyright (C) 2026 Vellumark. Tous droits réservés.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Vellumark</source>
        <translation>Vellumark</translation>
    </message>
    <message>
        <source>Vellumark Kestrin</source>
        <translation>Vellumark Kestrin</translation>
    </message>
    <message>
        <source>Copy and Paste Tutorial</source>
        <translation>Tutoriel copier-coller</translation>
    </message>
    <message>
        <source>Drag and Drop Tutorial</source>
        <translation>Tutoriel glisser-déposer</translation>
    </message>
    <message>
        <source>Double Click Tutorial</source>
        <translation>Tutoriel double-clic</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Vellumark banner</source>
        <translation>Bannière Vellumark</translation>
    </message>
    <message>
        <source>Would you like more help?  Visit our web site:</source>
        <translation>Vous voulez plus d&apos;aide&#x202f;? Visitez notre site web&#x202f;:</translation>
    </message>
    <message>
        <source>Tutorials</source>
        <translation>Tutoriels</translation>
    </message>
    <message>
        <source>Vellumark - Copy and Paste Tutorial</source>
        <translation>Vellumark – Tutoriel copier-coller</translation>
    </message>
    <message>
        <source>Step 1:</source>
        <translation>Étape 1&#x202f;:</translation>
    </message>
    <message>
        <source>Put the mouse pointer just to the left of the capital &quot;H&quot; in the box below (marked &quot;#1&quot;), then press the left mouse button and hold it down.</source>
        <translation>Placez le pointeur de la souris juste à gauche du «&#x202f;V&#x202f;» majuscule dans la zone ci-dessous (repère «&#x202f;#1&#x202f;»), puis appuyez sur le bouton gauche de la souris et maintenez-le enfoncé.</translation>
    </message>
    <message>
        <source>Step 2:</source>
        <translation>Étape 2&#x202f;:</translation>
    </message>
    <message>
        <source>Keep holding the button and drag the mouse to the right and down until the pointer is just past the lowercase &quot;e&quot; of &quot;stop here&quot; (marked &quot;#2&quot;), then let go.  This is called &quot;Selecting Text&quot;.</source>
        <translation>Sans relâcher le bouton, faites glisser la souris vers la droite et vers le bas jusqu&apos;à ce que le pointeur soit juste après le «&#x202f;i&#x202f;» final de «&#x202f;arrêtez ici&#x202f;» (repère «&#x202f;#2&#x202f;»), puis relâchez. Cela s&apos;appelle «&#x202f;Sélectionner du texte&#x202f;».</translation>
    </message>
    <message>
        <source>Step 3:</source>
        <translation>Étape 3&#x202f;:</translation>
    </message>
    <message>
        <source>Hold down the &quot;Ctrl&quot; key, press the &quot;c&quot; key once, then let go of both.  This is called &quot;Copying Text&quot;.</source>
        <translation>Maintenez la touche «&#x202f;Ctrl&#x202f;» enfoncée, appuyez une fois sur la touche «&#x202f;c&#x202f;», puis relâchez les deux. Cela s&apos;appelle «&#x202f;Copier du texte&#x202f;».</translation>
    </message>
    <message>
        <source>Step 4:</source>
        <translation>Étape 4&#x202f;:</translation>
    </message>
    <message>
        <source>Click once inside the lower box.  This puts the insertion pointer (the blinking line) there.</source>
        <translation>Cliquez une fois dans la zone du bas. Le curseur (la petite barre qui clignote) s&apos;y place alors.</translation>
    </message>
    <message>
        <source>Step 5:</source>
        <translation>Étape 5&#x202f;:</translation>
    </message>
    <message>
        <source>Hold down the &quot;Ctrl&quot; key, press the &quot;v&quot; key once, then let go of both.  This is called &quot;Pasting Text&quot;.</source>
        <translation>Maintenez la touche «&#x202f;Ctrl&#x202f;» enfoncée, appuyez une fois sur la touche «&#x202f;v&#x202f;», puis relâchez les deux. Cela s&apos;appelle «&#x202f;Coller du texte&#x202f;».</translation>
    </message>
    <message>
        <source>Practice text</source>
        <translation>Texte d&apos;entraînement</translation>
    </message>
    <message>
        <source>Marker #1</source>
        <translation>Repère #1</translation>
    </message>
    <message>
        <source>Marker #2</source>
        <translation>Repère #2</translation>
    </message>
    <message>
        <source>Paste target</source>
        <translation>Zone où coller</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>Vellumark - Double Click Tutorial</source>
        <translation>Vellumark – Tutoriel double-clic</translation>
    </message>
    <message>
        <source>Move the mouse pointer over the red square below.</source>
        <translation>Placez le pointeur de la souris sur le carré rouge ci-dessous.</translation>
    </message>
    <message>
        <source>Click and release the left mouse button, then click and release it again as quickly as you can.</source>
        <translation>Appuyez sur le bouton gauche de la souris et relâchez-le, puis recommencez aussi vite que possible.</translation>
    </message>
    <message>
        <source>Important Hints</source>
        <translation>Conseils importants</translation>
    </message>
    <message>
        <source>Click twice in rapid succession and keep the mouse still between the two clicks.  This tutorial measures both: how fast you click and whether the mouse moved.</source>
        <translation>Cliquez deux fois de suite, rapidement, et gardez la souris immobile entre les deux clics. Ce tutoriel vérifie les deux&#x202f;: la vitesse de vos clics et si la souris a bougé.</translation>
    </message>
    <message>
        <source>Visualize It</source>
        <translation>Démonstration</translation>
    </message>
    <message>
        <source>Tick the &quot;Show Me&quot; box to watch the slowest double click that your computer still accepts.  Untick it to stop.</source>
        <translation>Cochez la case «&#x202f;Montrer&#x202f;» pour voir le double-clic le plus lent que votre ordinateur accepte encore. Décochez-la pour arrêter.</translation>
    </message>
    <message>
        <source>Double-click target</source>
        <translation>Cible du double-clic</translation>
    </message>
    <message>
        <source>Show Me</source>
        <translation>Montrer</translation>
    </message>
    <message>
        <source>Mouse, button pressed</source>
        <translation>Souris, bouton enfoncé</translation>
    </message>
    <message>
        <source>Mouse, button released</source>
        <translation>Souris, bouton relâché</translation>
    </message>
    <message>
        <source>Vellumark - Drag and Drop Tutorial</source>
        <translation>Vellumark – Tutoriel glisser-déposer</translation>
    </message>
    <message>
        <source>Put the mouse pointer over the item labeled &quot;Click and Drag Me&quot; in the tree below.</source>
        <translation>Placez le pointeur de la souris sur l&apos;élément «&#x202f;Cliquez et glissez-moi&#x202f;» ci-dessous.</translation>
    </message>
    <message>
        <source>Press the left mouse button and hold it down.  This begins the &quot;Drag&quot;.</source>
        <translation>Appuyez sur le bouton gauche de la souris et maintenez-le enfoncé. Vous commencez ainsi à «&#x202f;faire glisser&#x202f;».</translation>
    </message>
    <message>
        <source>Keep holding the button and move the mouse over &quot;Destination Folder&quot;.  Watch the see-through picture of the item follow the pointer.</source>
        <translation>Sans relâcher le bouton, déplacez la souris sur «&#x202f;Dossier de destination&#x202f;». Regardez l&apos;image transparente de l&apos;élément suivre le pointeur.</translation>
    </message>
    <message>
        <source>Let go of the button while the pointer is over &quot;Destination Folder&quot;.  This is the &quot;Drop&quot;.</source>
        <translation>Relâchez le bouton pendant que le pointeur est sur «&#x202f;Dossier de destination&#x202f;». C&apos;est ce qu&apos;on appelle «&#x202f;déposer&#x202f;».</translation>
    </message>
    <message>
        <source>When it is all right to let go, the folder under the pointer is highlighted in dark blue.</source>
        <translation>Quand vous pouvez relâcher, le dossier sous le pointeur est surligné en bleu foncé.</translation>
    </message>
    <message>
        <source>Practice folders</source>
        <translation>Dossiers d&apos;entraînement</translation>
    </message>
    <message>
        <source>Overview:</source>
        <translation>Présentation&#x202f;:</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Présentation</translation>
    </message>
    <message>
        <source>Tutorial Status:</source>
        <translation>Votre progression&#x202f;:</translation>
    </message>
    <message>
        <source>Tutorial Status</source>
        <translation>Votre progression</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Tutoriel</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
</TS>
