<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
    <context>
        <name>CMainWindow</name>
        <message>
            <source>     你已经正在玩一个游戏了。   离开这个游戏和开始另一个?        </source>
            <translation>You are already playing a game. Leave this game and start another?</translation>
        </message>
        <message>
            <source>你是否确信你要重新开始这个游戏?            </source>
            <translation>Are you sure you want to restart this game?</translation>
        </message>
        <message>
            <source>你已经正在玩游戏。 离开这场游戏和打开另一个?                    </source>
            <translation>You are already playing a game. Leave this game and open another?</translation>
        </message>
        <message>
            <source>游戏在进行...      </source>
            <translation>Game in Progress</translation>
        </message>
        <message>
            <source>是否你想要玩另一个游戏?             </source>
            <translation>Would you like to play another game?</translation>
        </message>
        <message>
            <source>新的游戏</source>
            <translation>New Game</translation>
        </message>
        <message>
            <source>- 游戏暂停中 - </source>
            <translation>- Game Paused -</translation>
        </message>
    </context>
    <context>
        <name>FootButtons</name>
        <message>
            <source>显示游戏信息...  </source>
            <translation>Show Game Info...</translation>
        </message>
        <message>
            <source>退出游戏</source>
            <translation>Quit Game</translation>
        </message>
    </context>
    <context>
        <name>Game</name>
        <message>
            <source>Yellow</source>
            <translation>Yellow</translation>
        </message>
        <message>
            <source>Purple</source>
            <translation>Purple</translation>
        </message>
        <message>
            <source>Blue</source>
            <translation>Blue</translation>
        </message>
        <message>
            <source>Red</source>
            <translation>Red</translation>
        </message>
        <message>
            <source>Orange</source>
            <translation>Orange</translation>
        </message>
        <message>
            <source>Green</source>
            <translation>Green</translation>
        </message>
        <message>
            <source>Novice A.I.</source>
            <translation>Novice A.I.</translation>
        </message>
        <message>
            <source>Average A.I.</source>
            <translation>Average A.I.</translation>
        </message>
        <message>
            <source>Advanced A.I.</source>
            <translation>Advanced A.I.</translation>
        </message>
        <message>
            <source>Expert A.I.</source>
            <translation>Expert A.I.</translation>
        </message>
        <message>
            <source>Master A.I.</source>
            <translation>Master A.I.</translation>
        </message>
    </context>
    <context>
        <name>Menu</name>
        <message>
            <source>游戏(&amp;G)</source>
            <translation>&amp;Game</translation>
        </message>
        <message>
            <source>新的游戏(&amp;N)...</source>
            <translation>&amp;New Game...</translation>
        </message>
        <message>
            <source>重新开始游戏(&amp;R)   </source>
            <translation>&amp;Restart Game</translation>
        </message>
        <message>
            <source>暂停游戏      </source>
            <translation>&amp;Pause Game</translation>
        </message>
        <message>
            <source>继续游戏(&amp;C)      </source>
            <translation>&amp;Continue Game</translation>
        </message>
        <message>
            <source>打开游戏...     </source>
            <translation>&amp;Open Game...</translation>
        </message>
        <message>
            <source>保存游戏(&amp;S)...  </source>
            <translation>&amp;Save Game...</translation>
        </message>
        <message>
            <source>退出(&amp;E)</source>
            <translation>E&amp;xit</translation>
        </message>
        <message>
            <source>选项(&amp;O)  </source>
            <translation>&amp;Options</translation>
        </message>
        <message>
            <source>取消移动(&amp;U)  </source>
            <translation>&amp;Undo Move</translation>
        </message>
        <message>
            <source>重做移动(&amp;R)  </source>
            <translation>&amp;Redo Move</translation>
        </message>
        <message>
            <source>建议移动(&amp;S)     </source>
            <translation>&amp;Suggest Move</translation>
        </message>
        <message>
            <source>强制移动(&amp;F)   </source>
            <translation>&amp;Force Move</translation>
        </message>
        <message>
            <source>转动棋盘向左           </source>
            <translation>Rotate Board Left</translation>
        </message>
        <message>
            <source>转动棋盘向右            </source>
            <translation>Rotate Board Right</translation>
        </message>
        <message>
            <source>查看统计(&amp;V)...        </source>
            <translation>&amp;View Statistics...</translation>
        </message>
        <message>
            <source>棋盘设定(&amp;B)...       </source>
            <translation>&amp;Board Settings...</translation>
        </message>
        <message>
            <source>声音设定...          </source>
            <translation>Soun&amp;d Settings...</translation>
        </message>
        <message>
            <source>选取壁纸(&amp;P)...       </source>
            <translation>Choose Wall&amp;paper...</translation>
        </message>
        <message>
            <source>键盘快捷键(&amp;K)</source>
            <translation>&amp;Keyboard Shortcuts</translation>
        </message>
        <message>
            <source>原样的文字(中文和英文)</source>
            <translation>Original Texts (Chinese and English)</translation>
        </message>
        <message>
            <source>互联网(&amp;I)  </source>
            <translation>&amp;Internet</translation>
        </message>
        <message>
            <source>在线支持          </source>
            <translation>Online Support</translation>
        </message>
        <message>
            <source>访问网站(&amp;V)      </source>
            <translation>&amp;Visit Website</translation>
        </message>
        <message>
            <source>帮助(&amp;H)</source>
            <translation>&amp;Help</translation>
        </message>
        <message>
            <source>帮助(&amp;H)..</source>
            <translation>&amp;Help...</translation>
        </message>
        <message>
            <source>如何玩游戏...      </source>
            <translation>How to Play...</translation>
        </message>
        <message>
            <source>游戏历史(&amp;G)...     </source>
            <translation>&amp;Game History...</translation>
        </message>
        <message>
            <source>关於(&amp;A)...</source>
            <translation>&amp;About...</translation>
        </message>
    </context>
    <context>
        <name>StatusBar</name>
        <message>
            <source>游戏退出.     </source>
            <translation>Game over.</translation>
        </message>
        <message>
            <source>2nd</source>
            <translation>2nd</translation>
        </message>
        <message>
            <source>3rd</source>
            <translation>3rd</translation>
        </message>
        <message>
            <source>4th</source>
            <translation>4th</translation>
        </message>
        <message>
            <source>5th</source>
            <translation>5th</translation>
        </message>
        <message>
            <source>6th</source>
            <translation>6th</translation>
        </message>
        <message>
            <source>Game Time </source>
            <translation>Game Time </translation>
        </message>
        <message>
            <source>Turns Played: %1</source>
            <translation>Turns Played: %1</translation>
        </message>
        <message>
            <source>(%1) %2's turn</source>
            <translation>(%1) %2's turn</translation>
        </message>
        <message>
            <source> - Time Remaining </source>
            <translation> - Time Remaining </translation>
        </message>
        <message>
            <source>%1 wins</source>
            <translation>%1 wins</translation>
        </message>
    </context>
    <context>
        <name>ToolBar</name>
        <message>
            <source>New</source>
            <translation>New</translation>
        </message>
        <message>
            <source>Restart</source>
            <translation>Restart</translation>
        </message>
        <message>
            <source>撤销</source>
            <translation>Undo</translation>
        </message>
        <message>
            <source>重做</source>
            <translation>Redo</translation>
        </message>
        <message>
            <source>提示</source>
            <translation>Hint</translation>
        </message>
        <message>
            <source>强制 </source>
            <translation>Force</translation>
        </message>
        <message>
            <source>统计 </source>
            <translation>Statistics</translation>
        </message>
        <message>
            <source>帮助</source>
            <translation>Help</translation>
        </message>
    </context>
    <context>
        <name>View</name>
        <message>
            <source>Halmora 汉化版    </source>
            <translation>Halmora</translation>
        </message>
    </context>
</TS>
